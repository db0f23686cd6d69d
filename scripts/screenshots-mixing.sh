#!/usr/bin/env bash
# Screenshots of the mixing controls (Opacity and the blend space in the Composite
# panel, Feather in the Shape panel, "Save at full resolution" in the Linear panel):
# the application opens a project given on its command line on a virtual display, the
# second photo is clicked in the list, and the window is taken once it has settled.
#
#   bash scripts/screenshots-mixing.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# Needs build/dev/src/quillane, xvfb-run, xdotool, openbox and imagemagick; photos from
# $QUILLANE_PHOTOS, else ../shared/photos beside the repository.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)
photos=$(cd "${QUILLANE_PHOTOS:-$root/../shared/photos}" && pwd)

if [[ -z "${SHOTS_INSIDE:-}" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cat >"$work/composite-opacity.json" <<JSON
{"mode": "composite", "blendSpace": "srgb", "photos": [{"file": "$photos/pair12_a.jpg"},
 {"file": "$photos/pair12_b.jpg", "blend": "Normal Blend Mode", "opacity": 45,
  "matchBackground": false, "size": -40, "x": 30, "y": 25}]}
JSON
    cat >"$work/shape-feather.json" <<JSON
{"mode": "shape", "photos": [{"file": "$photos/sunset_12mp.jpg"},
 {"file": "$photos/dragonfly_13mp.jpg", "shape": "heart", "size": -40, "x": 40, "y": 30, "feather": 70}]}
JSON
    cat >"$work/linear-full-resolution.json" <<JSON
{"mode": "linear-horizontal", "fullResolution": true, "photos": [{"file": "$photos/pair12_a.jpg"},
 {"file": "$photos/sunset_12mp.jpg", "level": 120}, {"file": "$photos/pair12_b.jpg", "level": 120}]}
JSON
    SHOTS_INSIDE=1 SHOTS_WORK=$work xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
        bash "${BASH_SOURCE[0]}" "$out"
    exit 0
fi

source "$root/scripts/screenshots-common.sh"
shots_desktop
trap 'kill $shots_wm 2>/dev/null' EXIT
for project in "$SHOTS_WORK"/*.json; do
    name=$(basename "$project" .json)
    "$root/build/dev/src/quillane" "$project" >"$SHOTS_WORK/$name.log" 2>&1 &
    app=$!
    id=$(shots_window "$app")
    [[ -n "$id" ]] || { echo "screenshots: no window for $name" >&2; kill "$app"; exit 1; }
    sleep 8                                           # the photos load
    xdotool mousemove --window "$id" 200 138 click 1  # the second photo of the list
    xdotool mousemove 0 0
    shots_take "$id" "$1" "$name"
    kill "$app" && wait "$app" 2>/dev/null || true
done
