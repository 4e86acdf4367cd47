#!/usr/bin/env bash
# A screenshot of the running saver on a 1920 x 1080 display, showing the
# background alone: the frame is enlarged to 1440 x 1080 between black bars,
# each screen pixel showing the background pixel under its centre, which is
# what ImageMagick's -sample computes independently. The X server scales
# with a step held in fixed point, a little short of 1024/1440; that moves
# no centre across a pixel border (the nearest lies 1/45 of a background
# pixel away), and a centre exactly on a border takes the left or upper
# pixel, as -sample does.
. "$(dirname "$0")/lib.sh"
: "${GLINTFALL_SHARE:?install folder}"
: "${SHOTS:?folder for the screenshots}"
mkdir -p "$SHOTS"

first_start
background_screenshot "$SHOTS/scaled-background.png"
convert "$GLINTFALL_SHARE/bg2.bmp" -sample 1440x1080 -background black -gravity center \
        -extent 1920x1080 "$SHOTS/scaled-expected.png"
difference="$(compare -metric AE "$SHOTS/scaled-background.png" "$SHOTS/scaled-expected.png" \
              null: 2>&1 || true)"
[ "$difference" = "0" ] || fail "the scaled background differs in $difference pixels"
echo "scaled screenshot: ok ($SHOTS)"
