#!/usr/bin/env bash
# The README's Exposure fusion screenshots, taken from the real application on a virtual
# display and driven with keys as a person would: a bracket of three exposures of one
# photo, the later two shot "by hand" (turned, scaled and moved a little), opened from
# the command line; the project type dialog answered with Exposure fusion; a picture of
# the ghosted fusion; then Photo ▸ Align All Later Photos and a picture of the aligned
# fusion; then Edit ▸ Undo takes the alignment back as one step (a third picture, kept
# aside, is compared with the first: the count of differing pixels is printed, 0 when
# the undo brought back exactly the ghosted fusion).
#
#   bash scripts/screenshot-fusion.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# Needs build/dev/src/quillane, xvfb-run, openbox, xdotool and ImageMagick. The photo is
# $QUILLANE_PHOTOS/pair12_a.jpg (default ../shared/photos beside the repository).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs/screenshots}
photos=${QUILLANE_PHOTOS:-$root/../shared/photos}
app=$root/build/dev/src/quillane
die() { echo "screenshot-fusion: $*" >&2; exit 1; }
[[ -x "$app" ]] || die "build it first: cmake --build --preset dev --target quillane"
[[ -r "$photos/pair12_a.jpg" ]] || die "missing photo $photos/pair12_a.jpg (set QUILLANE_PHOTOS)"
for tool in xvfb-run openbox xdotool import convert; do command -v $tool >/dev/null || die "missing $tool"; done

if [[ -z "${FUSION_INSIDE:-}" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # Exposures in linear light: -2, 0 and +2 stops; the later two turned, scaled, moved.
    base=(convert "$photos/pair12_a.jpg" -resize 2400x1600 -colorspace RGB)
    "${base[@]}" -evaluate multiply 1 -colorspace sRGB -quality 92 "$work/bracket-0.jpg"
    "${base[@]}" -evaluate multiply 0.25 -colorspace sRGB -virtual-pixel black \
        -distort SRT "1200,800 1.01 0.8 1214,790" -quality 92 "$work/bracket-1-dark.jpg"
    "${base[@]}" -evaluate multiply 4 -colorspace sRGB -virtual-pixel black \
        -distort SRT "1200,800 0.99 -0.6 1190,809" -quality 92 "$work/bracket-2-bright.jpg"
    mkdir -p "$out"
    FUSION_INSIDE=1 FUSION_WORK=$work FUSION_OUT=$(cd "$out" && pwd) \
        xvfb-run -a -s "-screen 0 1400x1000x24 -nolisten tcp" bash "${BASH_SOURCE[0]}"
    exit 0
fi

# ---- inside the virtual display
work=$FUSION_WORK
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb LANGUAGE=en
mkdir -p "$HOME"
openbox >/dev/null 2>&1 &
wm=$!
"$app" "$work/bracket-0.jpg" "$work/bracket-1-dark.jpg" "$work/bracket-2-bright.jpg" >"$work/app.log" 2>&1 &
pid=$!
trap 'kill $pid $wm 2>/dev/null; wait $pid $wm 2>/dev/null || true' EXIT

wait_window() { # TITLE-REGEX: the visible window of the application with that title
    local id
    for _ in $(seq 1 150); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    die "no window named $1 (log: $(tail -n 3 "$work/app.log"))"
}
shoot() { # WINDOW NAME: the window's contents, 960 pixels wide
    import -silent -window "$1" -resize "960x>" -strip -define png:compression-level=9 "$FUSION_OUT/$2"
    echo "screenshot-fusion: wrote $FUSION_OUT/$2"
}

dialog=$(wait_window "New Project")
xdotool windowactivate --sync "$dialog" key --clearmodifiers alt+e
sleep 0.3
xdotool key --clearmodifiers Return
main=$(wait_window "Quillane")
xdotool windowactivate --sync "$main"
xdotool windowsize --sync "$main" 1200 800
sleep 8 # the three photos load and the first fused preview is painted
shoot "$main" fusion-unaligned.png
# Photo ▸ Align All Later Photos: the Action menu by its mnemonic, one menu to the right,
# the second item.
xdotool key --clearmodifiers alt+a
sleep 0.4
xdotool key Right
sleep 0.4
xdotool key Down Return
sleep 12 # the alignment runs on a worker, then the preview fuses the aligned photos
shoot "$main" fusion.png
xdotool key --clearmodifiers ctrl+z
sleep 5
FUSION_OUT=$work shoot "$main" fusion-undone.png
echo "screenshot-fusion: pixels differing after the undo: $(compare -metric AE "$FUSION_OUT/fusion-unaligned.png" "$work/fusion-undone.png" /dev/null 2>&1 || true)"
