#!/usr/bin/env bash
# Exposure fusion against enfuse (Debian enfuse) and OpenCV's MergeMertens, each as a
# whole program on the same bracket: the 24-megapixel test photo at -2, 0 and +2 stops,
# as 8-bit TIFF files. enfuse is a comparison only (not in scripts/packages.txt).
#
#   bash bench/compare_fusion.sh [BUILD_DIR]     (default build/dev)
#
# Prints the time and peak memory of each (/usr/bin/time: wall seconds, peak resident
# KB, files read and written included), and the differences of ours and of enfuse's
# from OpenCV's (mean and 99th percentile of the channels, in 255ths). All three fuse
# with the contrast, saturation and well-exposedness weights at 1.
set -euo pipefail
build=${1:-build/dev}
command -v enfuse >/dev/null || { echo "enfuse missing: apt-get install enfuse" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/bench_fusion" --write-bracket "$work"
bracket=("$work/bracket_m2.tif" "$work/bracket_0.tif" "$work/bracket_p2.tif")
run() {
    local name=$1
    shift
    /usr/bin/time -f "$name: %e s wall, %M KB peak" "$@" >"$work/$name.log" 2>&1 || { tail -n 5 "$work/$name.log"; exit 1; }
    tail -n 1 "$work/$name.log"
}
run quillane-mix "$build/src/quillane-mix" -q -o "$work/ours.tif" "$work/bracket.quillane"
run enfuse enfuse --exposure-weight=1 --saturation-weight=1 --contrast-weight=1 -o "$work/enfuse.tif" "${bracket[@]}"
run opencv "$build/bench/bench_fusion" --opencv "$work"
echo -n "ours against OpenCV: "
"$build/bench/bench_fusion" --compare "$work/ours.tif" "$work/opencv.tif"
echo -n "enfuse against OpenCV: "
"$build/bench/bench_fusion" --compare "$work/enfuse.tif" "$work/opencv.tif"
