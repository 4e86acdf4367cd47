#!/usr/bin/env bash
# Unknown switches end at once without a window; /a tells how to change the
# password and ends.
. "$(dirname "$0")/lib.sh"

for switch in /x /Q "-s" "x"; do
  start "$switch"
  ends_within 2 || fail "$switch did not end at once"
done
start /x
wait "$pid" && status=0 || status=$?
pid=""
[ "$status" -eq 0 ] || fail "/x ended with status $status"
[ ! -e "$ini" ] || fail "/x touched the settings"

start /a
wait_window >/dev/null
xdotool key Return
ends_within 3 || fail "/a did not end after its message was answered"
[ ! -e "$ini" ] || fail "/a created the saver's settings"
echo "switches: ok"
