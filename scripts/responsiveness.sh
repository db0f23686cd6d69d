#!/usr/bin/env bash
# Measures from outside how long the main window goes without answering while a person
# works with eight 12-24-megapixel photos in a 1600 x 1000 window: adding them (from the
# command line), reordering the list, changing a blend mode with the wheel, dragging the
# opacity slider, zooming to 100 % and beyond, panning, back to Fit, and saving a JPEG;
# then, with two 24-megapixel photos, how long Save takes to bring up its panel.
# A probe pings the window every 5 ms (_NET_WM_PING, answered on the GUI thread); the
# longest round trip of each phase is printed, with the count of those over 16 ms.
#
#   bash scripts/responsiveness.sh [OUTPUT_FOLDER]     (default: a temporary folder)
#
# Photos come from $QUILLANE_PHOTOS, else ../shared/photos beside the repository. The
# application runs on a virtual display with a throw-away home folder; the folder keeps
# the ping log, the phases, the saved picture and a screenshot at 100 %.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PHOTOS=(pair24_a.jpg pair24_b.jpg kleiber_20mp.jpg seeding_16mp.jpg dragonfly_13mp.jpg pair12_a.jpg
    pair12_b.jpg sunset_12mp.jpg)

die() {
    echo "responsiveness: $*" >&2
    exit 1
}

if [[ -z "${PROBE_INSIDE:-}" ]]; then
    quillane_install_packages xdotool openbox imagemagick x11-utils python3-xlib bc
    quillane_build dev quillane >/dev/null || die "the build failed"
    photos=${QUILLANE_PHOTOS:-$QUILLANE_ROOT/../shared/photos}
    for photo in "${PHOTOS[@]}"; do
        [[ -r "$photos/$photo" ]] || die "missing photo $photos/$photo"
    done
    export PROBE_INSIDE=1 PROBE_PHOTOS PROBE_OUT
    PROBE_PHOTOS=$(cd "$photos" && pwd)
    PROBE_OUT=${1:-$(mktemp -d)}
    mkdir -p "$PROBE_OUT"
    PROBE_OUT=$(cd "$PROBE_OUT" && pwd)
    xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" bash "${BASH_SOURCE[0]}"
    /usr/bin/python3 "$QUILLANE_ROOT/scripts/ping-probe.py" --summary "$PROBE_OUT/pings.log" "$PROBE_OUT/phases.txt"
    cat "$PROBE_OUT/save-panel.txt"
    echo "responsiveness: logs, picture and screenshot in $PROBE_OUT"
    exit 0
fi

# ---- inside the virtual display
export HOME=$PROBE_OUT/home
mkdir -p "$HOME/Documents"
openbox >/dev/null 2>&1 &
WM_PID=$!
APP_PID=
PROBE_PID=
trap 'kill $PROBE_PID $APP_PID $WM_PID 2>/dev/null; wait' EXIT # whichever still run

await_window() { # NAME: prints the id of the first visible window whose title has NAME
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        kill -0 "$APP_PID" 2>/dev/null || die "the application ended"
        sleep 0.1
    done
    die "no window named '$1'"
}

phase_start() { PHASE_START=$(date +%s.%N); }
phase_end() { echo "$PHASE_START $(date +%s.%N) $1" >>"$PROBE_OUT/phases.txt"; }

: >"$PROBE_OUT/phases.txt"
paths=()
for photo in "${PHOTOS[@]}"; do paths+=("$PROBE_PHOTOS/$photo"); done
"$QUILLANE_ROOT/build/dev/src/quillane" "${paths[@]}" >"$PROBE_OUT/app.log" 2>&1 &
APP_PID=$!
dialog=$(await_window "New Project")
main=$(await_window "Untitled")
xdotool windowsize "$main" 1600 1000
xdotool windowmove "$main" 0 0
sleep 1
/usr/bin/python3 "$QUILLANE_ROOT/scripts/ping-probe.py" "$main" "$PROBE_OUT/pings.log" &
PROBE_PID=$!
sleep 1
# Composite is the dialog's first choice; the eight photos load once it is chosen.
phase_start
xdotool windowactivate --sync "$dialog" key Return
sleep 10
phase_end "adding eight photos"

# Places in the 1600 x 1000 window (Composite panel, the last photo selected).
ROW_Y=(76 138 200 262 324 386 448 510)
BLEND_X=525 BLEND_Y=810
OPACITY_Y=923 OPACITY_FROM=1506 OPACITY_TO=700
CANVAS_X=980 CANVAS_Y=410

phase_start
xdotool mousemove "$CANVAS_X" "$CANVAS_Y" click 1 # the focus back in the window
xdotool mousemove 145 "${ROW_Y[4]}" click 1
for key in ctrl+Up ctrl+Up ctrl+Up ctrl+Down ctrl+Down ctrl+Down ctrl+Down; do
    xdotool key "$key"
    sleep 0.4
done
sleep 3
phase_end "reordering the list"

phase_start
xdotool mousemove 145 "${ROW_Y[7]}" click 1
sleep 0.5
xdotool mousemove "$BLEND_X" "$BLEND_Y"
for _ in 1 2 3 4 5 6; do
    xdotool click 5
    sleep 0.3
done
sleep 3
phase_end "changing the blend mode (wheel)"

phase_start
xdotool mousemove "$OPACITY_FROM" "$OPACITY_Y" mousedown 1
for x in $(seq "$OPACITY_FROM" -20 "$OPACITY_TO"); do
    xdotool mousemove "$x" "$OPACITY_Y"
    sleep 0.02
done
xdotool mouseup 1
sleep 3
phase_end "dragging the opacity slider"

phase_start
xdotool mousemove "$CANVAS_X" "$CANVAS_Y" key ctrl+1
sleep 3
phase_end "zooming to 100 %"
import -window root "$PROBE_OUT/actual-pixels.png" # outside the phases: it holds the display
phase_start
xdotool mousedown 1
for step in $(seq 1 30); do
    xdotool mousemove $((CANVAS_X - step * 10)) $((CANVAS_Y - step * 5))
    sleep 0.03
done
xdotool mouseup 1
sleep 1
xdotool key ctrl+plus
sleep 1
xdotool key --delay 300 ctrl+minus ctrl+minus ctrl+minus
sleep 2
xdotool keydown ctrl click 4 click 4 click 5 keyup ctrl
sleep 2
xdotool key ctrl+0
sleep 3
phase_end "panning and zooming"

phase_start
xdotool key ctrl+s
panel=$(await_window "Select")
sleep 1
xdotool windowactivate --sync "$panel" key ctrl+a
xdotool type "$PROBE_OUT/mix.jpg"
xdotool key Return
for _ in $(seq 1 300); do
    [[ -s "$PROBE_OUT/mix.jpg" ]] && break
    sleep 0.1
done
sleep 3
phase_end "saving a JPEG"
[[ -s "$PROBE_OUT/mix.jpg" ]] || die "the picture was not saved"
import -window root "$PROBE_OUT/after-save.png"
kill "$PROBE_PID" "$APP_PID"
wait "$PROBE_PID" "$APP_PID" 2>/dev/null || true
PROBE_PID= APP_PID=

# Save with two 24-megapixel photos: from the key press to the save panel (the capture
# and the PNG write into the output folder come in between).
QT_LOGGING_RULES="quillane.output.timing.debug=true" \
    "$QUILLANE_ROOT/build/dev/src/quillane" "$PROBE_PHOTOS/pair24_a.jpg" "$PROBE_PHOTOS/pair24_b.jpg" \
    >"$PROBE_OUT/save.log" 2>&1 &
APP_PID=$!
dialog=$(await_window "New Project")
xdotool windowactivate --sync "$dialog" key Return
main=$(await_window "Untitled")
sleep 8 # both photos in, the preview drawn
xdotool windowactivate --sync "$main"
shown=$(/usr/bin/python3 "$QUILLANE_ROOT/scripts/ping-probe.py" --key-to-window ctrl+s "Select")
at() { grep -o "save: $1 at [0-9]*" "$PROBE_OUT/save.log" | grep -o "[0-9]*$"; }
capture=$(($(at "capture ends") - $(at "capture starts")))
write=$(($(at "write ends") - $(at "write starts")))
echo "from Ctrl+S to the save panel with two 24-megapixel photos: $shown ms (capture $capture ms," \
    "write $write ms, the rest $((shown - capture - write)) ms)" \
    | tee "$PROBE_OUT/save-panel.txt"
