#!/usr/bin/env bash
# A screenshot of the running saver on a 1920 x 1080 display, showing the
# background alone: the frame is enlarged to 1440 x 1080 between black bars,
# each screen pixel showing the background pixel under its centre, which is
# what ImageMagick's -sample computes independently. A centre that falls
# exactly on the border of two background pixels belongs to the right or
# lower one, as a pixel covers its left edge but not its right; -sample
# takes the other one there, so its sampling point is moved right and down
# by a ten-thousandth of a pixel, far less than any other centre's distance
# from a border (1/45 of a background pixel at this scale).
. "$(dirname "$0")/lib.sh"
: "${GLINTFALL_SHARE:?install folder}"
: "${SHOTS:?folder for the screenshots}"
mkdir -p "$SHOTS"

first_start
background_screenshot "$SHOTS/scaled-background.png"
convert "$GLINTFALL_SHARE/bg2.bmp" -define sample:offset=50.01 -sample 1440x1080 -background black -gravity center \
        -extent 1920x1080 "$SHOTS/scaled-expected.png"
difference="$(compare -metric AE "$SHOTS/scaled-background.png" "$SHOTS/scaled-expected.png" \
              null: 2>&1 || true)"
[ "$difference" = "0" ] || fail "the scaled background differs in $difference pixels"
echo "scaled screenshot: ok ($SHOTS)"
