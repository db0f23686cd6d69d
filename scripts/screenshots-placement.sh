#!/usr/bin/env bash
# Screenshots of placing photos by hand: a project given on the command line opens on a
# virtual display, the second photo is clicked in the list, Action › Place Photo on
# Canvas (Ctrl+T) is turned on, and the script drags on the canvas with xdotool as a
# hand would (press, 20 moves, release): the photo moved, scaled by a corner, turned by
# the turn handle with Shift. Then a Shape and a Transparent project with turned and
# flipped photos.
#
#   bash scripts/screenshots-placement.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# Needs build/dev/src/quillane, xvfb-run, xdotool, openbox and imagemagick; photos from
# $QUILLANE_PHOTOS, else ../shared/photos beside the repository. The drags' screen
# points are those of the 1600 x 1200 display the script starts.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)
photos=$(cd "${QUILLANE_PHOTOS:-$root/../shared/photos}" && pwd)

if [[ -z "${SHOTS_INSIDE:-}" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    composite="{\"mode\": \"composite\", \"photos\": [{\"file\": \"$photos/pair12_a.jpg\"},
 {\"file\": \"$photos/dragonfly_13mp.jpg\", \"blend\": \"Normal Blend Mode\", \"matchBackground\": false,
  \"size\": -55, \"x\": 60, \"y\": 40, \"rotation\": 30, \"flipHorizontal\": true}]}"
    for name in placement-tool placement-moved placement-scaled placement-turned; do
        echo "$composite" >"$work/$name.json"
    done
    cat >"$work/shape-turned.json" <<JSON
{"mode": "shape", "photos": [{"file": "$photos/sunset_12mp.jpg"},
 {"file": "$photos/dragonfly_13mp.jpg", "shape": "heart", "size": -40, "x": 60, "y": 30,
  "rotation": -35, "flipVertical": true}]}
JSON
    cat >"$work/transparent-turned.json" <<JSON
{"mode": "transparent", "photos": [{"file": "$photos/pair12_a.jpg"},
 {"file": "$photos/kleiber_20mp.jpg", "transparency": 20, "size": 35, "x": 50, "y": 35,
  "rotation": 90, "flipHorizontal": true}]}
JSON
    SHOTS_INSIDE=1 SHOTS_WORK=$work xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
        bash "${BASH_SOURCE[0]}" "$out"
    exit 0
fi

# A drag from (x1, y1) to (x2, y2) in screen points, in 20 moves; extra xdotool keys
# (e.g. shift) held throughout.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 hold=${5:-}
    xdotool mousemove "$x1" "$y1"
    sleep 0.3
    [[ -n "$hold" ]] && xdotool keydown "$hold"
    xdotool mousedown 1
    for i in $(seq 1 20); do
        xdotool mousemove $((x1 + (x2 - x1) * i / 20)) $((y1 + (y2 - y1) * i / 20))
        sleep 0.03
    done
    xdotool mouseup 1
    [[ -n "$hold" ]] && xdotool keyup "$hold"
    xdotool mousemove 5 5
}

source "$root/scripts/screenshots-common.sh"
shots_desktop
trap 'kill $shots_wm 2>/dev/null' EXIT
for project in "$SHOTS_WORK"/*.json; do
    name=$(basename "$project" .json)
    "$root/build/dev/src/quillane" "$project" >"$SHOTS_WORK/$name.log" 2>&1 &
    app=$!
    id=$(shots_window "$app")
    [[ -n "$id" ]] || { echo "screenshots: no window for $name" >&2; kill "$app"; exit 1; }
    xdotool windowmove "$id" 200 200
    sleep 8                                           # the photos load
    xdotool mousemove --window "$id" 200 138 click 1  # the second photo of the list
    sleep 1
    if [[ "$name" == placement-* ]]; then
        xdotool key --window "$id" ctrl+t             # Action › Place Photo on Canvas
        sleep 2
        case "$name" in
        placement-moved) drag 1146 435 960 560 ;;            # inside the photo
        placement-scaled) drag 1318 414 1230 380 ;;          # its right-hand corner, inwards
        placement-turned) drag 1212 322 1260 470 shift ;;    # the turn handle, Shift snapping
        esac
    fi
    shots_take "$id" "$1" "$name"
    kill "$app" && wait "$app" 2>/dev/null || true
done
