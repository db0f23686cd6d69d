#!/usr/bin/env bash
# Align to Background against Hugin's align_image_stack (Debian hugin-tools, a comparison
# only: not in scripts/packages.txt) on the pairs bench_alignment makes from the
# 24-megapixel test photo: turned by 2 degrees, scaled by 1.03, shifted by (40, -25),
# once at the same exposure and once two stops darker.
#
#   bash bench/compare_alignment.sh [BUILD_DIR]     (default build/dev)
#
# Prints our time and corner error (bench_alignment), then align_image_stack's time and
# peak memory (/usr/bin/time) and how far its aligned photo still lies from its own
# output of the background (bench_alignment --residual). align_image_stack needs -m (the
# field of view, for the scale) and more control points than its default (-c 30 -g 8)
# to align these pairs at all; with its defaults it gives up.
set -euo pipefail
build=${1:-build/dev}
command -v align_image_stack >/dev/null || { echo "align_image_stack missing: apt-get install hugin-tools" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QUILLANE_ALIGN_PAIRS=$work "$build/bench/bench_alignment"
for pair in 0 1; do
    echo "align_image_stack, pair $pair ($([[ $pair == 1 ]] && echo 'two stops darker' || echo 'same exposure')):"
    /usr/bin/time -f "  %e s wall, %M KB peak" align_image_stack -m -c 30 -g 8 -a "$work/aligned$pair" \
        "$work/background.tif" "$work/photo$pair.tif" >"$work/ais$pair.log" 2>&1 || { tail -n 5 "$work/ais$pair.log"; exit 1; }
    tail -n 1 "$work/ais$pair.log"
    echo -n "  "
    "$build/bench/bench_alignment" --residual "$work/aligned${pair}0000.tif" "$work/aligned${pair}0001.tif"
done
