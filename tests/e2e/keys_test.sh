#!/usr/bin/env bash
# Command keys keep the saver running; any other key, a click, or enough
# mouse movement ends it.
. "$(dirname "$0")/lib.sh"
first_start

start /s
wait_window >/dev/null
sleep 1
for key in n p q s Up Down n s; do
  xdotool key "$key"
  sleep 0.3
  alive || fail "command key $key ended the saver"
done
xdotool key shift
ends_within 2 || fail "Shift alone did not end the saver"

start /s
wait_window >/dev/null
sleep 1
xdotool click 1
ends_within 2 || fail "a click did not end the saver"

set_keys MouseSen=5
start /s
wait_window >/dev/null
sleep 1
for step in 1 2 3 4; do
  xdotool mousemove $((100 + step * 20)) 200
  sleep 0.2
done
sleep 0.5
alive || fail "four moves ended a saver whose sensitivity is five"
xdotool mousemove 300 300
ends_within 2 || fail "the fifth move did not end the saver"
echo "keys and mouse: ok"
