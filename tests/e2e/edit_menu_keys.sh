#!/usr/bin/env bash
# The Edit menu opened from the keyboard, with Alt+E, acts on the selection of the field
# that had the focus, as the menu opened with the mouse does: the menu bar takes the
# keyboard focus while its menu is open, and the field must keep its selection through
# that. Each field is read back through the clipboard.
source "$(dirname "$0")/lib.sh"

# Opens the Edit menu with Alt+E and picks the item $2 by its letter $1. A disabled
# item leaves the menu open.
edit_menu() {
    xdotool key alt+e
    wait_for_menu "$CALCULATOR" "Edit menu"
    xdotool key "$1"
    wait_for_menu_closed ||
        fail "the Edit menu was still open 20 s after the letter of $2, which may be disabled"
}

# Copies the whole focused field and waits for the clipboard to hold $1.
field_reads() {
    xdotool key ctrl+a ctrl+c
    wait_for_clipboard "$1"
}

start_display
start_program_and_wait_for_calculator

# Select All, then Paste over what it selected.
click_in_calculator 308 269 # detFld
xdotool type .0025
own_selection .55
edit_menu a "Select All"
edit_menu p "Paste"
xdotool key ctrl+a ctrl+c
# The copy takes the clipboard from xclip, whose text may be the same as the field's.
wait_for_owner_end || fail "Ctrl+C in detFld did not take the clipboard"
wait_for_clipboard .55 ||
    fail "after Edit › Select All and Edit › Paste of \".55\" from the keyboard, detFld reads" \
        "\"$CLIPBOARD_TEXT\"; expected \".55\""

# Copy of a selection made with Shift+Left.
click_in_calculator 308 209 # kFld
xdotool type 123
xdotool key shift+Left shift+Left
edit_menu c "Copy"
wait_for_clipboard 23 ||
    fail "Edit › Copy from the keyboard with \"23\" of kFld's \"123\" selected put" \
        "\"$CLIPBOARD_TEXT\" on the clipboard; expected \"23\""

# Cut and Delete of the whole field. An emptied field is read back with a digit typed
# after Right, which ends a selection at its end: were the text still there, the digit
# would follow it.
xdotool key ctrl+a
edit_menu t "Cut"
wait_for_clipboard 123 ||
    fail "Edit › Cut from the keyboard with all of kFld's \"123\" selected put" \
        "\"$CLIPBOARD_TEXT\" on the clipboard; expected \"123\""
xdotool key Right 9
field_reads 9 || fail "after Edit › Cut of all of \"123\", kFld reads \"$CLIPBOARD_TEXT\"" \
    "with a 9 typed at its end; expected \"9\""
xdotool key ctrl+a
edit_menu d "Delete"
xdotool key Right 8
field_reads 8 || fail "after Edit › Delete of all of \"9\", kFld reads \"$CLIPBOARD_TEXT\"" \
    "with an 8 typed at its end; expected \"8\""
echo "PASS: Select All, Paste, Copy, Cut and Delete of the Edit menu opened with Alt+E" \
    "acted on the field's selection"

xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
