#!/usr/bin/env bash
# The clipboard and the selection belonged to programs that have exited, so no one owns
# them: every way of pasting them, into the help text and into a calculator field, must
# leave the program running and the text as it was.
source "$(dirname "$0")/lib.sh"

WRITTEN=$(mktemp)
PASTED=$(mktemp)
trap 'rm -f "$WRITTEN" "$PASTED"; e2e_cleanup' EXIT
# The help text as a copy holds it, with LF between its paragraphs.
tr '\r' '\n' <"$(dirname "$0")/../../resources/help.txt" >"$WRITTEN"

expect_running() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended at $1"
}

# Waits up to 10 s for the clipboard to hold the text in the file; what it holds is
# then in the file $PASTED.
clipboard_becomes() {
    clipboard_holds_file() {
        timeout 2 xclip -o -selection clipboard >"$PASTED" 2>/dev/null || true
        cmp -s "$1" "$PASTED"
    }
    wait_until 100 clipboard_holds_file "$1"
}

unowned() {
    [[ "$(selection_owner "$1")" == 0x0 ]]
}

start_display
for selection in clipboard primary; do
    own_selection gone "$selection"
    kill "$OWNER_PID"
    wait "$OWNER_PID" || true
    OWNER_PID=""
    # The server lets the selection go once it has seen the owner's connection close.
    wait_until 100 unowned "${selection^^}" || fail "the $selection selection still has an owner"
done
start_program_and_wait_for_calculator

click_in_calculator 308 209 # kFld
xdotool key ctrl+v shift+Insert
xdotool click 2
expect_running "a paste into kFld"

click_in_calculator 540 469 # the "?" button
HELP=$(timeout 10 xdotool search --sync --onlyvisible --name '^Info') ||
    fail "no help window within 10 s"
xdotool windowfocus --sync "$HELP" || fail "could not focus the help window"
xdotool mousemove --window "$HELP" 200 300 click 1
xdotool key ctrl+v
expect_running "Ctrl+V in the help text"
xdotool key shift+Insert
expect_running "Shift+Insert in the help text"
xdotool click 2
expect_running "a middle click in the help text"
xdotool mousemove --window "$HELP" 56 9 click 1 # the Edit menu
wait_for_menu "$HELP" "Edit menu of the help window"
xdotool key p # Paste
wait_for_menu_closed || fail "the Edit menu of the help window stayed open after p, for Paste"
expect_running "Edit › Paste in the help text"

# The menu took the X focus with it; a click into the text brings it back. The text
# is then read back through the clipboard, which the program owns from then on.
xdotool mousemove --window "$HELP" 200 300 click 1
xdotool key ctrl+a ctrl+c
clipboard_becomes "$WRITTEN" ||
    fail "the help text reads back otherwise: $(diff "$WRITTEN" "$PASTED" | cut -c 1-80 | head -5)"

# kFld, back in front of the help window, is read back the same way.
xdotool windowraise "$CALCULATOR"
xdotool windowfocus --sync "$CALCULATOR" || fail "could not focus the calculator window"
click_in_calculator 308 209
xdotool key 5 ctrl+a ctrl+c
printf '5' >"$WRITTEN"
clipboard_becomes "$WRITTEN" || fail "kFld read back \"$(head -c 80 "$PASTED")\"; expected \"5\""
echo "PASS: pasting from a clipboard and a selection with no owner changed nothing"

xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
