#!/usr/bin/env bash
# Screenshots of the running saver: the whole scene with factory settings,
# and the background alone, which must be exactly the background picture.
# Run on a 1024 x 768 display so that the frame is shown unscaled.
. "$(dirname "$0")/lib.sh"
: "${GLINTFALL_SHARE:?install folder}"
: "${SHOTS:?folder for the screenshots}"
mkdir -p "$SHOTS"

first_start
start /s
wait_window >/dev/null
sleep 6
import -window root "$SHOTS/factory.png"
xdotool key Escape
ends_within 2 || fail "the saver did not end"
mean="$(convert "$SHOTS/factory.png" -colorspace Gray -format '%[fx:mean]' info:)"
awk -v m="$mean" 'BEGIN { exit !(m > 0.08) }' || fail "the factory scene is nearly black ($mean)"

background_screenshot "$SHOTS/background.png"
difference="$(compare -metric AE "$SHOTS/background.png" "$GLINTFALL_SHARE/bg2.bmp" null: 2>&1 || true)"
[ "$difference" = "0" ] || fail "the background differs from bg2.bmp in $difference pixels"
echo "screenshots: ok ($SHOTS)"
