#!/bin/bash
# Compares quillane-mix's "srgb" blend space with `vips composite2` (its default sRGB
# compositing space) and ImageMagick's `convert -compose`, mode by mode, on two photos of
# the same size. Prints, per mode and tool, the largest difference of any channel in
# 8-bit levels, the mean difference, and the share of channel values more than one level
# apart. Needs libvips-tools and imagemagick; a comparison, not a test.
#   scripts/compare-blend-space.sh BACKGROUND.png LAYER.png [path/to/quillane-mix]
set -euo pipefail
background=$(realpath "$1")
layer=$(realpath "$2")
mix=$(realpath "${3:-build/dev/src/quillane-mix}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Our blend index, vips' mode, ImageMagick's operator (- where the tool has none).
modes=(
  "24 over Over"
  "16 multiply Multiply"
  "21 screen Screen"
  "18 overlay Overlay"
  "4 darken Darken"
  "10 lighten Lighten"
  "3 colour-dodge ColorDodge"
  "2 colour-burn ColorBurn"
  "8 hard-light HardLight"
  "22 soft-light SoftLight"
  "5 difference Difference"
  "7 exclusion Exclusion"
  "12 - LinearDodge"
  "11 - LinearBurn"
  "19 - PinLight"
  "23 - MinusSrc"
  "6 - DivideSrc"
)

# Largest difference, mean difference and share above one level of two RGB pictures.
differ() {
  vips extract_band "$1" "$work/x.v" 0 --n 3
  vips extract_band "$2" "$work/y.v" 0 --n 3
  vips subtract "$work/x.v" "$work/y.v" "$work/d.v"
  vips abs "$work/d.v" "$work/e.v"
  vips relational_const "$work/e.v" "$work/m.v" more 1
  printf 'max %3.0f  mean %.4f  >1: %.5f %%' "$(vips max "$work/e.v")" "$(vips avg "$work/e.v")" \
    "$(echo "$(vips avg "$work/m.v") / 2.55" | bc -l)"
}

for row in "${modes[@]}"; do
  read -r index vipsMode imMode <<<"$row"
  cat >"$work/p.json" <<JSON
{"mode": "composite", "blendSpace": "srgb",
 "photos": [{"file": "$background"}, {"file": "$layer", "blend": $index}]}
JSON
  "$mix" -o "$work/ours.png" "$work/p.json"
  label=$(printf '%-3s %-14s' "$index" "${vipsMode}/${imMode}")
  if [ "$vipsMode" != - ]; then
    vips composite2 "$background" "$layer" "$work/vips.png" "$vipsMode"
    echo "$label vips  $(differ "$work/ours.png" "$work/vips.png")"
  fi
  convert "$background" "$layer" -compose "$imMode" -composite "$work/im.png"
  echo "$label magick $(differ "$work/ours.png" "$work/im.png")"
done
