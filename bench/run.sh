#!/usr/bin/env bash
# Runs the drawing measurements and prints their figures:
#   1. composition time per frame (median over 1000 frames, every element on);
#   2. instructions per frame under callgrind;
#   3. CPU share of the running saver and of the X server over 20 s at
#      1920 x 1080 under Xvfb, the frame rate and the resident size; the
#      real saver runs twice, with factory settings and with every element on
#      (Calendar=1, ShowMsg=1), and is ended with a key so that it reports its
#      frame events, presents and the pace of its fastest flakes.
# Usage: bench/run.sh [build directory]   (default: build)
# The third measurement runs the real saver (bin/glintfall /s, factory
# settings) when it has been built, else the benchmark's own saver window.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bench="$build/bin/glintfall-bench"
saver="$build/bin/glintfall"
pictures=()
[ -f "$build/share/glintfall/bg1.bmp" ] && pictures=(--pictures "$build/share/glintfall")
seconds=20
warmup=3

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "== 1. Composition time"
"$bench" "${pictures[@]}" 2>/dev/null

echo "== 2. Instructions per frame (callgrind)"
instructions() {
    local frames=$1
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.$frames" \
        --toggle-collect='*runBenchFrame*' "$bench" "${pictures[@]}" --callgrind "$frames" \
        >/dev/null 2>&1
    awk '/^(summary|totals):/ { print $2; exit }' "$work/callgrind.$frames"
}
# The first frame renders every text and composes the whole frame; the
# difference of two runs leaves the steady frames.
short=$(instructions 100)
long=$(instructions 1100)
echo "first 100 frames: $short instructions; steady frames: $(( (long - short) / 1000 )) instructions per frame"

echo "== 3. Running saver at 1920 x 1080 under Xvfb, ${seconds} s"
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done
export DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config

ticks() {  # user + system time of a process, in clock ticks
    awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"
}
hz=$(getconf CLK_TCK)
share() { awk -v t="$1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f%%", 100 * t / hz / s }'; }

# Runs the program given as arguments and prints its cost.
measure() {
    "$@" >"$work/program.out" 2>&1 &
    program_pid=$!
    sleep "$warmup"
    local program_start xvfb_start program_end xvfb_end rss
    program_start=$(ticks "$program_pid")
    xvfb_start=$(ticks "$xvfb_pid")
    sleep "$seconds"
    program_end=$(ticks "$program_pid")
    xvfb_end=$(ticks "$xvfb_pid")
    rss=$(awk '/^VmRSS/ { print $2, $3 }' "/proc/$program_pid/status")
    echo "CPU of one core: program $(share $(( program_end - program_start ))), X server $(share $(( xvfb_end - xvfb_start ))), together $(share $(( program_end - program_start + xvfb_end - xvfb_start )))"
    echo "resident size: $rss"
}

if [ -x "$saver" ]; then
    rm -rf "$XDG_CONFIG_HOME"
    for settings in factory all; do
        if [ "$settings" = all ]; then
            # The factory run has written every key and the first-run mark;
            # a store without that mark would be reset to the factory values.
            sed -i -e 's/^Calendar=.*/Calendar=1/' -e 's/^ShowMsg=.*/ShowMsg=1/' \
                "$XDG_CONFIG_HOME/Glintfall/Glintfall.ini"
            echo "program: $saver /s (every element on)"
        else
            echo "program: $saver /s (factory settings)"
        fi
        measure env GLINTFALL_FRAME_STATS=1 "$saver" /s
        # Any key other than the command keys ends the saver.
        xdotool key x
        for _ in $(seq 50); do
            kill -0 "$program_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
        program_pid=""
        grep 'frame events' "$work/program.out" || echo "(no frame report: the saver did not end on the key)"
    done
else
    mkdir -p "$XDG_CONFIG_HOME"
    echo "program: $bench --window (synthetic scene; bin/glintfall not built)"
    measure "$bench" "${pictures[@]}" --window $(( seconds + warmup + 2 ))
    wait "$program_pid" || true
    program_pid=""
    grep 'frame events' "$work/program.out" || true
fi
