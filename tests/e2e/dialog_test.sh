#!/usr/bin/env bash
# /c shows the settings dialog; its reset, reached by keyboard and answered
# Yes, restores a changed store; Escape ends the program.
. "$(dirname "$0")/lib.sh"
first_start
set_keys MouseSen=7 BG2=0 Message=Hello

start /c
window="$(wait_window)"
xdotool getwindowname "$window" | grep -qx "Glintfall by Tavrin" || fail "dialog caption"
sleep 0.5
xdotool key alt+r
sleep 1
xdotool key alt+y   # "Yes" answers the question
sleep 0.5
xdotool key Return   # the notice
sleep 0.5
grep -q "^MouseSen=10$" "$ini" || fail "reset did not restore MouseSen"
grep -q "^BG2=1$" "$ini" || fail "reset did not restore BG2"
grep -q "^Message=Have a Merry Christmas!$" "$ini" || fail "reset did not restore Message"
alive || fail "the dialog closed after the reset"
xdotool key Escape
ends_within 3 || fail "Escape did not end the dialog"
echo "dialog: ok"
