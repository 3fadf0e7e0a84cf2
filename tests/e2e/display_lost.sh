#!/usr/bin/env bash
# The display goes away under a running calculator that has the focus in a text field:
# Qt then ends the process itself, and it must end with an ordinary exit status, not
# with a signal.
source "$(dirname "$0")/lib.sh"

start_display
start_program_and_wait_for_calculator
click_in_calculator 308 209  # kFld
xdotool key 5
# The display goes only once the field holds the 5: read back through the clipboard.
xdotool key ctrl+a ctrl+c
wait_for_clipboard 5 || fail "kFld read back \"$CLIPBOARD_TEXT\"; expected \"5\""
stop_display
wait_for_program_end 10
if ((PROGRAM_STATUS == 0 || PROGRAM_STATUS >= 128)); then
    fail "exit status $PROGRAM_STATUS after the display went away, expected a failure status below 128"
fi
echo "PASS: the program ended with status $PROGRAM_STATUS when its display went away"
