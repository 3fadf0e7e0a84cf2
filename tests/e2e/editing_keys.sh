#!/usr/bin/env bash
# Shift+Insert pastes into a field and beeps not, as on any Linux desktop; Insert alone
# is refused with one beep. The program talks to the display through xtrace, whose log
# shows each Bell request it sends.
source "$(dirname "$0")/lib.sh"

TRACE=$(mktemp)
OWNER_PID=""
TRACER_PID=""
LOCK=""
stop_tracer_and_owner() {
    if [[ -n "$OWNER_PID" ]]; then kill "$OWNER_PID" 2>/dev/null || true; fi
    e2e_cleanup
    if [[ -n "$TRACER_PID" ]]; then
        kill "$TRACER_PID" 2>/dev/null || true
        rm -f "/tmp/.X11-unix/X$fake"  # the tracer's socket; the lock kept it ours
    fi
    rm -f "$TRACE" "$LOCK"
}
trap stop_tracer_and_owner EXIT

bells() { grep -c 'Request(104): Bell' "$TRACE" || true; }

start_display
# A display number of the tracer's own, reserved with a lock file as an X server does,
# so that no server takes it meanwhile; one that a server already listens on, even on
# an abstract socket only, would take the program's connection past the tracer.
fake=$((300 + RANDOM % 600))
until [[ ! -e /tmp/.X11-unix/X$fake ]] && ! grep -q "@/tmp/.X11-unix/X$fake\$" /proc/net/unix &&
    (set -o noclobber; printf '%10d\n' $$ >"/tmp/.X$fake-lock") 2>/dev/null; do
    fake=$((fake + 1))
done
LOCK=/tmp/.X$fake-lock
xtrace -n -k -d "$DISPLAY" -D ":$fake" -o "$TRACE" >/dev/null 2>&1 &
TRACER_PID=$!
for _ in $(seq 1 50); do
    [[ -S /tmp/.X11-unix/X$fake ]] && break
    sleep 0.1
done
kill -0 "$TRACER_PID" 2>/dev/null && [[ -S /tmp/.X11-unix/X$fake ]] ||
    fail "xtrace did not start on :$fake"
PROGRAM_LAUNCHER=(env DISPLAY=":$fake")
start_program_and_wait_for_calculator

# -quiet keeps xclip in the foreground: it ends once the program owns the clipboard.
printf '42' | xclip -quiet -selection clipboard 2>/dev/null &
OWNER_PID=$!
for _ in $(seq 1 50); do
    [[ "$(xclip -o -selection clipboard 2>/dev/null)" == "42" ]] && break
    sleep 0.1
done

click_in_calculator 308 209  # kFld
xdotool key shift+Insert ctrl+a ctrl+c
# Copying an empty field would leave xclip the owner; the copy of "42" replaces it.
for _ in $(seq 1 50); do
    kill -0 "$OWNER_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$OWNER_PID" 2>/dev/null && fail "Shift+Insert pasted nothing: kFld had nothing to copy"
OWNER_PID=""
text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
[[ "$text" == "42" ]] || fail "kFld read back \"$text\" after Shift+Insert, expected \"42\""
(($(bells) == 0)) || fail "Shift+Insert, Ctrl+A and Ctrl+C beeped $(bells) times"

xdotool key Insert
for _ in $(seq 1 50); do
    (($(bells) > 0)) && break
    sleep 0.1
done
sleep 0.5  # time for a second beep, which must not come
(($(bells) == 1)) || fail "Insert beeped $(bells) times, expected once"
echo "PASS: Shift+Insert pasted \"42\" into kFld without a beep; Insert beeped once"

xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
