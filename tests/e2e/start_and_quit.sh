#!/usr/bin/env bash
# The program opens its calculator window by itself and ends with status 0 on Ctrl+Q.
source "$(dirname "$0")/lib.sh"

start_display
start_program_and_wait_for_calculator
xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
[[ "$PROGRAM_STATUS" -eq 0 ]] || fail "exit status $PROGRAM_STATUS, expected 0"
echo "PASS: the calculator window opened and Ctrl+Q ended the program with status 0"
