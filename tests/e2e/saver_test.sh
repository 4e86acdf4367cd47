#!/usr/bin/env bash
# The saver covers the screen, writes the factory settings on its first start
# and ends on a key press.
. "$(dirname "$0")/lib.sh"

start /s
window="$(wait_window)"
sleep 1
geometry="$(xdotool getwindowgeometry "$window")"
screen="$(xdpyinfo | awk '/dimensions:/ { print $2 }')"
echo "$geometry" | grep -q "Geometry: $screen" || fail "window is not the whole screen: $geometry"
echo "$geometry" | grep -q "Position: 0,0" || fail "window is not at the origin: $geometry"

for key in Music1 Music36 BG0 BG4 Border Calendar CalPos CountDown FontSize Layer1 Layer3 \
           Message MouseSen MoveText PwrSave Rotate SetReg ShowMsg ShowXmas SoundOff; do
  grep -q "^$key=" "$ini" || fail "first start did not write $key"
done
grep -q "^Message=Have a Merry Christmas!$" "$ini" || fail "factory message not written as text"
grep -q "^SetReg=2$" "$ini" || fail "marker not written"
[ "$(grep -c '^Music[0-9]*=1$' "$ini")" -eq 36 ] || fail "not every song flag written"

xdotool key a
ends_within 1 || fail "a key press did not end the saver within a second"
echo "saver window: ok"
