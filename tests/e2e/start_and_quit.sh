#!/usr/bin/env bash
# Starts the program on a virtual X display, waits for the calculator window, which
# opens by itself once the About window gives way, presses Ctrl+Q in it and expects
# the program to end with status 0.
set -euo pipefail

program=${1:?usage: start_and_quit.sh PROGRAM}

if [[ -z "${VQ_E2E_INSIDE_XVFB:-}" ]]; then
    export VQ_E2E_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
log=$(mktemp)
trap 'rm -f "$log"' EXIT

"$program" >"$log" 2>&1 &
pid=$!

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output ---" >&2
    cat "$log" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

# Qt names an untitled window after the application, so the About window and the
# calculator both appear as "Veltranoquisenary"; the calculator is the one 600 pixels
# wide. It opens after 4 s; allow a margin.
calculator=""
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its calculator window opened"
    calculator=$(xwininfo -root -tree 2>/dev/null |
        awk '/"Veltranoquisenary": \(/ && / 600x[0-9]+\+/ { print $1; exit }')
    if [[ -n "$calculator" ]] && xwininfo -id "$calculator" 2>/dev/null | grep -q 'IsViewable'; then
        break
    fi
    calculator=""
    sleep 0.1
done
[[ -n "$calculator" ]] || fail "no calculator window within 10 s"

# No window manager runs here: give the window the keyboard focus explicitly.
xdotool windowfocus --sync "$calculator" || fail "could not focus the calculator window"
sleep 0.2
xdotool key --clearmodifiers ctrl+q

for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program was still running 5 s after Ctrl+Q"
fi

status=0
wait "$pid" || status=$?
[[ "$status" -eq 0 ]] || fail "exit status $status, expected 0"
echo "PASS: the calculator window opened and Ctrl+Q ended the program with status 0"
