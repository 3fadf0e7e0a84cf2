#!/usr/bin/env bash
# A screen reader or voice control presses the calculator's buttons over AT-SPI (see
# accessible_press.py): Calculate shows the results, and on an empty k its message box,
# the focus then in k; Clear empties the window; "?" opens the help text. The program
# and the reader share a session bus of the test's own, on which the accessibility bus
# starts when first asked for.
if [[ -z "${E2E_SESSION_BUS:-}" ]]; then
    # The accessibility bus puts its socket under XDG_RUNTIME_DIR, or else at one path
    # in ~/.cache for every run of the user, where a run beside this one would take it
    # over: each run has a folder of its own.
    runtime=$(mktemp -d)
    status=0
    E2E_SESSION_BUS=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "$0" "$@" || status=$?
    rm -rf "$runtime"
    exit "$status"
fi
source "$(dirname "$0")/lib.sh"

# Qt describes itself over AT-SPI only when asked to or when a screen reader is on.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_display
start_program_and_wait_for_calculator
click_in_calculator 308 209  # kFld
xdotool type 10
xdotool key Tab
xdotool type 82
xdotool key Tab
xdotool type .0025
timeout 30 /usr/bin/python3 "$(dirname "$0")/accessible_press.py" "$CALCULATOR" ||
    fail "the presses over AT-SPI did not do what a mouse press does"
echo "PASS: over AT-SPI, Calculate showed H 0.1923238, Clear emptied the window, Calculate" \
    "on an empty k showed its message and then focused k, and \"?\" opened the help text"
