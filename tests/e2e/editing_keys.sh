#!/usr/bin/env bash
# Shift+Insert pastes into a field and beeps not, as on any Linux desktop; Insert alone
# is refused with one beep. The program talks to the display through xtrace, whose log
# shows each Bell request it sends.
source "$(dirname "$0")/lib.sh"

TRACE=$(mktemp)
TRACER_PID=""
LOCK=""
stop_tracer() {
    e2e_cleanup
    if [[ -n "$TRACER_PID" ]]; then
        kill "$TRACER_PID" 2>/dev/null || true
        wait "$TRACER_PID" 2>/dev/null || true
        rm -f "/tmp/.X11-unix/X$fake"  # the tracer's socket; the locks kept it ours
    fi
    rm -f "$TRACE" "$LOCK"
}
trap stop_tracer EXIT

bells() { grep -c 'Request(104): Bell' "$TRACE" || true; }

start_display
# A display number of the tracer's own, held as the server's is, and with an X server's
# lock file too, which servers not started by these tests respect; one that a server
# already listens on, even on an abstract socket only, would take the program's
# connection past the tracer.
while :; do
    reserve_display_number
    fake=$RESERVED_NUMBER
    (set -o noclobber; printf '%10d\n' $$ >"/tmp/.X$fake-lock") 2>/dev/null && break
    release_display_number
done
LOCK=/tmp/.X$fake-lock
xtrace -n -k -d "$DISPLAY" -D ":$fake" -o "$TRACE" >/dev/null 2>&1 &
TRACER_PID=$!
tracer_serving() {
    process_ended "$TRACER_PID" && fail "xtrace ended before it served :$fake"
    display_served_by "$fake" "$TRACER_PID"
}
wait_until 100 tracer_serving || fail "xtrace did not start on :$fake"
PROGRAM_LAUNCHER=(env DISPLAY=":$fake")
start_program_and_wait_for_calculator

# The xclip owner ends once the program owns the clipboard.
own_selection 42

click_in_calculator 308 209  # kFld
xdotool key shift+Insert ctrl+a ctrl+c
# Copying an empty field would leave xclip the owner; the copy of "42" replaces it.
wait_for_owner_end || fail "Shift+Insert pasted nothing: kFld had nothing to copy"
text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
[[ "$text" == "42" ]] || fail "kFld read back \"$text\" after Shift+Insert, expected \"42\""
(($(bells) == 0)) || fail "Shift+Insert, Ctrl+A and Ctrl+C beeped $(bells) times"

# The keys after Insert are a mark: once the clipboard holds what they did, the program
# has dealt with Insert, and every Bell it sent for it is in the log.
xdotool key Insert Right 7 ctrl+a ctrl+c
wait_for_clipboard 427 ||
    fail "kFld read back \"$CLIPBOARD_TEXT\" after Insert and a 7 typed at its end, expected \"427\""
(($(bells) == 1)) || fail "Insert beeped $(bells) times, expected once"
echo "PASS: Shift+Insert pasted \"42\" into kFld without a beep; Insert beeped once and left the text"

xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
