# Shared steps of the end-to-end tests, sourced by each: a virtual X display of the
# test's own, the built program on it, and its calculator window.
set -euo pipefail

PROGRAM=${1:?usage: $0 PROGRAM}
E2E_LOG=$(mktemp)
XVFB_PID=""
PROGRAM_PID=""
CALCULATOR=""
# A command to start the program through, such as an X protocol tracer; none by default.
PROGRAM_LAUNCHER=()
export QT_QPA_PLATFORM=xcb

e2e_cleanup() {
    if [[ -n "$PROGRAM_PID" ]]; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -f "$E2E_LOG"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output ---" >&2
    cat "$E2E_LOG" >&2
    exit 1
}

# A 1024x768 display with no window manager; DISPLAY points at it.
start_display() {
    local number_file number=""
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        number=$(head -n 1 "$number_file")
        [[ -n "$number" ]] && break
        sleep 0.05
    done
    rm -f "$number_file"
    [[ -n "$number" ]] || fail "the virtual display did not start"
    export DISPLAY=":$number"
    for _ in $(seq 1 50); do
        xwininfo -root >/dev/null 2>&1 && return
        sleep 0.05
    done
    fail "the virtual display $DISPLAY does not answer"
}

# Waits until the program shows a window whose geometry matches the pattern (such as
# "600x[0-9]+") and puts its id in WINDOW. Qt names an untitled window after the
# application, so the About window and the calculator both appear as
# "Veltranoquisenary"; their sizes tell them apart.
wait_for_window() {
    local geometry=$1 what=$2
    WINDOW=""
    for _ in $(seq 1 100); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before its $what opened"
        WINDOW=$(xwininfo -root -tree 2>/dev/null |
            awk -v size=" $geometry\\+" '/"Veltranoquisenary": \(/ && $0 ~ size { print $1; exit }')
        if [[ -n "$WINDOW" ]] && xwininfo -id "$WINDOW" 2>/dev/null | grep -q 'IsViewable'; then
            return
        fi
        WINDOW=""
        sleep 0.1
    done
    fail "no $what within 10 s"
}

# Starts the program and waits for its calculator window, which opens by itself once
# the About window gives way after 4 s, then gives it the keyboard focus.
start_program_and_wait_for_calculator() {
    "${PROGRAM_LAUNCHER[@]}" "$PROGRAM" >"$E2E_LOG" 2>&1 &
    PROGRAM_PID=$!
    wait_for_window "600x[0-9]+" "calculator window"
    CALCULATOR=$WINDOW
    # No window manager runs here: the focus must be given explicitly.
    xdotool windowfocus --sync "$CALCULATOR" || fail "could not focus the calculator window"
    sleep 0.2
}

# Clicks at x, y within the calculator window.
click_in_calculator() {
    xdotool mousemove --window "$CALCULATOR" "$1" "$2" click 1
}

# Waits up to $1 seconds for the program to end; its exit status is then in
# PROGRAM_STATUS.
wait_for_program_end() {
    local tenths=$(($1 * 10))
    for _ in $(seq 1 "$tenths"); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program was still running $1 s later"
    PROGRAM_STATUS=0
    wait "$PROGRAM_PID" || PROGRAM_STATUS=$?
    PROGRAM_PID=""
}
