#!/usr/bin/env bash
# A screen reader or voice control presses the calculator's buttons over AT-SPI (see
# accessible_press.py): Calculate shows the results, and on an empty k its message box,
# the focus then in k; Clear empties the window; "?" opens the help text. The program
# and the reader share a session bus of the test's own, on which the accessibility bus
# starts when first asked for.
if [[ -z "${E2E_SESSION_BUS:-}" ]]; then
    E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
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
