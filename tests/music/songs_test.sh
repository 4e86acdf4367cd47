#!/usr/bin/env bash
# Checks the built carols of the Music folder.
#
#   songs_test.sh absent MUSIC_DIR N...
#       fails if any midiN.mid of the listed numbers exists (melodies still under copyright).
#   songs_test.sh render MIDI_FILE FLUIDSYNTH SOX SOUNDFONT
#       renders the song offline and fails unless it starts at once, is audible without
#       clipping, and lasts 60 to 180 seconds plus FluidSynth's release tail.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints the value of one line of `sox FILE -n stat`, e.g. "Maximum amplitude".
stat_value() {
    local file=$1 name=$2
    shift 2
    "$SOX" "$file" -n "$@" stat 2>&1 | awk -F: -v name="$name" '$1 ~ "^" name {gsub(/ /, "", $2); print $2}'
}

# Succeeds when the floating-point comparison "$1 $2 $3" holds, e.g. less 0.5 "<" 1.
holds() {
    awk -v a="$1" -v b="$3" "BEGIN { exit !(a $2 b) }"
}

mode=${1:-}
case $mode in
absent)
    dir=$2
    shift 2
    [ -d "$dir" ] || fail "no music folder $dir"
    for n in "$@"; do
        [ ! -e "$dir/midi$n.mid" ] || fail "midi$n.mid is shipped although its melody is under copyright"
    done
    ;;
render)
    midi=$2 FLUIDSYNTH=$3 SOX=$4 soundfont=$5
    [ -s "$midi" ] || fail "$midi is missing or empty"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    wav=$work/song.wav
    # Half the usual sample rate halves the rendering time and changes none of the measures.
    "$FLUIDSYNTH" -ni -q -g 0.6 -r 22050 -F "$wav" "$soundfont" "$midi" >/dev/null 2>&1 ||
        fail "fluidsynth could not render $midi"

    length=$(stat_value "$wav" "Length \\(seconds\\)")
    peak=$(stat_value "$wav" "Maximum amplitude")
    rms=$(stat_value "$wav" "RMS     amplitude")
    opening=$(stat_value "$wav" "Maximum amplitude" trim 0 0.5)
    echo "$(basename "$midi"): length ${length}s, peak $peak, RMS $rms, opening peak $opening"

    # FluidSynth keeps rendering about three seconds after the last note for the release.
    holds "$length" ">=" 60 || fail "shorter than 60 s"
    holds "$length" "<=" 184 || fail "longer than 180 s"
    holds "$peak" ">=" 0.2 || fail "too quiet: peak $peak"
    holds "$peak" "<" 0.95 || fail "clips: peak $peak"
    holds "$rms" ">=" 0.02 || fail "too quiet: RMS $rms"
    holds "$opening" ">=" 0.02 || fail "silent start"
    ;;
*)
    fail "usage: $0 absent MUSIC_DIR N... | render MIDI_FILE FLUIDSYNTH SOX SOUNDFONT"
    ;;
esac
