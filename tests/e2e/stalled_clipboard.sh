#!/usr/bin/env bash
# Another program owns the clipboard and has stopped, so it never answers: moving the
# focus and opening the Edit menu must not wait for it.
source "$(dirname "$0")/lib.sh"

start_display
start_program_and_wait_for_calculator
own_selection stale
stalled_owner=$(selection_owner CLIPBOARD)
kill -STOP "$OWNER_PID"

started=$(date +%s%N)
click_in_calculator 308 239  # nFld
xdotool key 5
click_in_calculator 56 9     # the Edit menu
wait_for_menu "$CALCULATOR" "Edit menu"
xdotool key Escape
# Escape leaves the keyboard focus on the menu bar; a click into nFld brings it back,
# once the menu is gone: until then the menu holds the pointer, and would take the
# click. nFld is then read back through the clipboard, which the program owns from
# then on.
wait_for_menu_closed || fail "the Edit menu was still open 20 s after Escape"
click_in_calculator 308 239
xdotool key ctrl+a ctrl+c
# Asked before the copy has taken the clipboard from it, the stopped owner would never
# answer.
taken_over() {
    local owner
    owner=$(selection_owner CLIPBOARD)
    [[ "$owner" != "$stalled_owner" && "$owner" != 0x0 ]]
}
wait_until 100 taken_over || true
text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
elapsed=$((($(date +%s%N) - started) / 1000000))
if [[ "$text" != "5" ]] || ((elapsed >= 2000)); then
    fail "nFld read back \"$text\" after $elapsed ms; expected \"5\" within 2000 ms"
fi
echo "PASS: with a stopped clipboard owner, typing into nFld and the Edit menu took $elapsed ms"

xdotool key --clearmodifiers ctrl+q
wait_for_program_end 5
