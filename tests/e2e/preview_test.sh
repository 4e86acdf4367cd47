#!/usr/bin/env bash
# /p ID embeds the preview into the host's window, fills it, and ends when
# the host goes away; without a usable window id it ends at once.
. "$(dirname "$0")/lib.sh"
: "${PREVIEW_HOST:?path of the preview host}"

hostout="$XDG_CONFIG_HOME/host.out"
"$PREVIEW_HOST" 4 >"$hostout" &
host=$!
for _ in $(seq 50); do [ -s "$hostout" ] && break; sleep 0.1; done
id="$(head -n1 "$hostout")"
[ -n "$id" ] || fail "the preview host printed no window id"

start /p "$id"
sleep 1.5
alive || fail "the preview ended while its host was there"
children="$(xwininfo -children -id "$id" | awk '/child(ren)?:/ { found = 1; next } found && /0x/')"
echo "$children" | grep -q '153x115+0+0' || fail "no 153x115 preview inside the host: $children"
wait "$host"
ends_within 3 || fail "the preview outlived its host"

for bad in "" abc 0 -3 99999999; do
  start /p $bad
  ends_within 2 || fail "/p $bad did not end at once"
done
echo "preview: ok"
