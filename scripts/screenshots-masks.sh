#!/usr/bin/env bash
# Screenshots of the mask tool, driven in the real window: the application opens a
# Composite project of two photos on a virtual display (xvfb-run, openbox), the Mask
# button is clicked, and xdotool paints with the hide brush, shows part back with the
# show brush (X), drags a linear gradient (G), clears the mask, drags a radial gradient,
# inverts it, shows the mask's tint and undoes the inversion (Ctrl+Z). After each step
# the screen is taken once it has settled.
#
#   bash scripts/screenshots-masks.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# Needs build/dev/src/quillane, xvfb-run, xdotool, openbox and imagemagick; the photos
# are tests/photos/pair24_a.jpg and pair24_b.jpg reduced to 1500 x 1000. The window is
# made 1420 x 860 at (90, 40) of a 1600 x 1000 screen, for which the places clicked are
# set (the controls row of the tool needs more than the opening width).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)

if [[ -z "${SHOTS_INSIDE:-}" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    convert "$root/tests/photos/pair24_a.jpg" -resize 1500x1000 "$work/a.jpg"
    convert "$root/tests/photos/pair24_b.jpg" -resize 1500x1000 "$work/b.jpg"
    cat >"$work/masks.quillane" <<JSON
{"mode": "composite", "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "blend": "Normal Blend Mode"}]}
JSON
    SHOTS_INSIDE=1 SHOTS_WORK=$work xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" \
        bash "${BASH_SOURCE[0]}" "$out"
    exit 0
fi

source "$root/scripts/screenshots-common.sh"
shots_desktop
"$root/build/dev/src/quillane" "$SHOTS_WORK/masks.quillane" >"$SHOTS_WORK/app.log" 2>&1 &
app=$!
trap 'kill $app $shots_wm 2>/dev/null' EXIT
id=$(shots_window "$app")
[[ -n "$id" ]] || { echo "screenshots: no window" >&2; exit 1; }
xdotool windowsize "$id" 1420 860 windowmove "$id" 90 40
sleep 6 # the photos load

# The window once settled, reduced for the README.
shot() {
    shots_take "$id" "$out" "$1"
}

# A drag of the left button through the given points.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    shift 2
    while (($# >= 2)); do
        xdotool mousemove "$1" "$2"
        sleep 0.05
        shift 2
    done
    xdotool mouseup 1
}

xdotool mousemove 567 78 click 1 # Mask
sleep 1
drag 720 250 750 280 790 300 840 310 890 330 920 370 # hide brush over the dandelion
xdotool mousemove 1000 250
shot mask-brush-hide
xdotool key x bracketright bracketright # the show brush, larger
drag 760 280 860 310
xdotool mousemove 1000 250
shot mask-brush-show
xdotool mousemove 1180 106 click 1 # Clear
xdotool mousemove 900 500 key g    # linear gradient
drag 700 400 850 400 1000 400 1200 400
shot mask-linear-gradient
xdotool mousemove 1180 106 click 1 # Clear
xdotool mousemove 650 107 click 1  # Radial
drag 790 290 900 290 1030 290
shot mask-radial-gradient
xdotool mousemove 1093 106 click 1 # Invert
shot mask-inverted
xdotool mousemove 1233 106 click 1 # Show Mask
xdotool mousemove 1000 800
shot mask-overlay
xdotool mousemove 1233 106 click 1 # Show Mask off
xdotool key ctrl+z                  # undo the inversion
xdotool mousemove 1000 800
shot mask-undo
