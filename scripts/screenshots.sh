#!/usr/bin/env bash
# Makes the README's screenshots again: one per project type, taken from the real
# application on a virtual display, driven with keys and clicks as a person would
# (project type dialog, Add Photo panel with the path typed in, a control or two).
#
#   bash scripts/screenshots.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# Photos come from $QUILLANE_PHOTOS, else ../shared/photos beside the repository.
# Installs what is missing (the build's packages, and xdotool, openbox, imagemagick
# and x11-utils for the driving and the pictures), builds build/dev/src/quillane if
# needed, and runs it with a throw-away home folder, so nothing is written into yours.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SHOT_TOOLS=(xdotool openbox imagemagick x11-utils)
SHOT_PHOTOS=(pair12_a.jpg pair12_b.jpg sunset_12mp.jpg dragonfly_13mp.jpg)
SHOT_WIDTH=960      # pixels across of each committed picture
WAIT_SECONDS=30     # longest wait for any one window or step

die() {
    echo "screenshots: $*" >&2
    exit 1
}

# ---- outside the virtual display: prepare, then run this script again inside one

prepare_and_relaunch() {
    local out=${1:-$QUILLANE_ROOT/docs/screenshots}
    quillane_install_packages "${SHOT_TOOLS[@]}"
    echo "screenshots: building build/dev/src/quillane (quick when it is up to date)"
    quillane_build dev quillane >/dev/null || die "the build failed; run: cmake --build --preset dev --target quillane"
    local photos=${QUILLANE_PHOTOS:-$QUILLANE_ROOT/../shared/photos}
    [[ -d "$photos" ]] || die "no photo folder at $photos (set QUILLANE_PHOTOS)"
    local photo
    for photo in "${SHOT_PHOTOS[@]}"; do
        [[ -r "$photos/$photo" ]] || die "missing photo $photos/$photo"
    done
    mkdir -p "$out" || die "cannot create the output folder $out"
    export SHOTS_PHOTOS SHOTS_OUT SHOTS_INSIDE=1
    SHOTS_PHOTOS=$(cd "$photos" && pwd)
    SHOTS_OUT=$(cd "$out" && pwd)
    local started=$SECONDS
    xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" bash "${BASH_SOURCE[0]}"
    echo "screenshots: done in $((SECONDS - started)) s; pictures in $SHOTS_OUT"
}

# ---- inside the virtual display

APP_PID=
WM_PID=
WORK=

clean_up() {
    [[ -n "$APP_PID" ]] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    [[ -n "$WM_PID" ]] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
    [[ -n "$WORK" ]] && rm -rf "$WORK"
    return 0
}

# find_window REGEX: the application's visible window whose title matches, if any.
find_window() {
    xdotool search --all --onlyvisible --pid "$APP_PID" --name "$1" 2>/dev/null | head -n 1 || true
}

app_alive() {
    kill -0 "$APP_PID" 2>/dev/null || die "the application ended unexpectedly (log: $(tail -n 3 "$WORK/app.log"))"
}

# fail_on_alert: an alert of the application means the flow went wrong; say which.
fail_on_alert() {
    local alert
    alert=$(find_window 'could not|Error')
    [[ -z "$alert" ]] || die "the application showed the alert \"$(xdotool getwindowname "$alert")\""
}

# await_window REGEX WHAT: waits until the window appears and prints its id.
await_window() {
    local id deadline=$((SECONDS + WAIT_SECONDS))
    while ((SECONDS < deadline)); do
        app_alive
        id=$(find_window "$1")
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        fail_on_alert
        sleep 0.1
    done
    die "no $2 window (title matching '$1') within $WAIT_SECONDS s"
}

# await_gone REGEX WHAT: waits until no window of that title is left.
await_gone() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    while ((SECONDS < deadline)); do
        app_alive
        [[ -z "$(find_window "$1")" ]] && return 0
        sleep 0.1
    done
    die "the $2 window stayed open for $WAIT_SECONDS s"
}

# press WINDOW KEY...: brings the window forward and types the keys into it.
press() {
    local id=$1
    shift
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    [[ $# -eq 0 ]] || xdotool key --clearmodifiers --delay 60 "$@"
}

main_window() { await_window '^Quillane$' "main"; }

# open_add_photo: opens the Add Photo panel with its shortcut; prints the panel's id.
# The panel only opens once the application is free again (not loading a photo).
open_add_photo() {
    local main
    main=$(main_window)
    press "$main" ctrl+o
    await_window '^Add (a )?photo' "Add Photo"
}

# add_photo FILE: types the photo's path into the Add Photo panel (open already, or
# opened with the shortcut).
add_photo() {
    local file=$SHOTS_PHOTOS/$1 panel
    panel=$(find_window '^Add (a )?photo')
    [[ -n "$panel" ]] || panel=$(open_add_photo)
    press "$panel"
    xdotool type --clearmodifiers --delay 15 "$file"
    xdotool key Return
    await_gone '^Add (a )?photo' "Add Photo"
}

# wait_until_idle: the application answers again (it is not busy loading a photo).
wait_until_idle() {
    local panel
    panel=$(open_add_photo)
    press "$panel" Escape
    await_gone '^Add (a )?photo' "Add Photo"
}

# capture_when_still NAME: once two looks at the main window in a row are the same
# (the preview has been drawn), keeps it, scaled, as NAME.png.
capture_when_still() {
    local id deadline=$((SECONDS + WAIT_SECONDS)) before='' now
    id=$(main_window)
    xdotool mousemove 0 0
    while ((SECONDS < deadline)); do
        sleep 0.5
        now=$(import -silent -window "$id" ppm:- | md5sum)
        [[ "$now" == "$before" ]] && break
        before=$now
    done
    [[ "$now" == "$before" ]] || die "the window of $1 did not settle within $WAIT_SECONDS s"
    import -silent -window "$id" -frame "$WORK/$1-full.png"
    convert "$WORK/$1-full.png" -resize "${SHOT_WIDTH}x" -strip \
        -define png:compression-level=9 "$SHOTS_OUT/$1.png"
}

quit_app() {
    local main deadline=$((SECONDS + WAIT_SECONDS))
    main=$(main_window)
    press "$main" ctrl+q
    while kill -0 "$APP_PID" 2>/dev/null; do
        ((SECONDS < deadline)) || die "the application did not quit within $WAIT_SECONDS s"
        sleep 0.1
    done
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
}

# shoot NAME "TYPE KEYS" TUNE PHOTO...: one screenshot. TYPE KEYS choose the project
# type in the dialog (its first choice, Composite, has the focus); TUNE sets the
# controls once the photos are in, told how many there are.
shoot() {
    local name=$1 keys=$2 tune=$3 photo dialog started=$SECONDS
    shift 3
    "$QUILLANE_ROOT/build/dev/src/quillane" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    dialog=$(await_window '^New Project' "project type")
    # shellcheck disable=SC2086
    press "$dialog" $keys Return
    await_gone '^New Project' "project type"
    await_window '^Add (a )?photo' "Add Photo" >/dev/null
    for photo in "$@"; do
        add_photo "$photo"
    done
    wait_until_idle
    check_main_size
    "$tune" "$#"
    capture_when_still "$name"
    quit_app
    echo "screenshots: $name.png ($((SECONDS - started)) s)"
}

# ---- the controls: clicks at their places in the main window at its opening size

MAIN_SIZE="1200 800"
SLIDER_TRACK_X=1000     # on the track of every panel's sliders
TABLE_ROW_X=200         # on the photo list's name column

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# check_main_size: the places below hold only for the window's opening size.
check_main_size() {
    local main WIDTH HEIGHT
    main=$(main_window)
    eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(WIDTH|HEIGHT)=')"
    [[ "$WIDTH $HEIGHT" == "$MAIN_SIZE" ]] ||
        die "the main window is ${WIDTH}x$HEIGHT, the clicks are placed for ${MAIN_SIZE/ /x}"
}

# select_row N: selects the Nth photo of the list (from 1).
select_row() {
    local main
    main=$(main_window)
    click "$main" "$TABLE_ROW_X" $((76 + 62 * ($1 - 1)))
}

# set_slider Y Home|End COUNT: clicks the slider at height Y, takes it to its first
# (Home) or last (End) value, then COUNT pages (ten units each) back from there.
set_slider() {
    local main y=$1 start=$2 count=$3 page=Page_Up keys=()
    [[ "$start" == End ]] && page=Page_Down
    main=$(main_window)
    click "$main" "$SLIDER_TRACK_X" "$y"
    keys=("$start")
    while ((${#keys[@]} <= count)); do keys+=("$page"); done
    press "$main" "${keys[@]}"
}

# choose_in_combo X Y TEXT: opens the pop-up list at (X, Y), picks the entry
# starting with TEXT.
choose_in_combo() {
    local main windows
    main=$(main_window)
    windows=$(count_windows)
    click "$main" "$1" "$2"
    await_more_windows "$windows" "pop-up list"
    xdotool type --delay 30 "$3"
    xdotool key Return
}

count_windows() {
    xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null | wc -l
}

await_more_windows() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    while (($(count_windows) <= $1)); do
        ((SECONDS < deadline)) || die "no $2 opened within $WAIT_SECONDS s"
        sleep 0.1
    done
}

# Composite: the later photo mixed with the overlay blend mode.
tune_composite() {
    choose_in_combo 600 660 "Overlay"
}

# Shape: the later photo cut out as a heart, smaller and moved right and up.
tune_shape() {
    local main picker
    main=$(main_window)
    click "$main" 471 681
    picker=$(await_window '^Select Shape' "shape picker")
    click "$picker" 245 42
    await_gone '^Select Shape' "shape picker"
    set_slider 727 Home 5
    set_slider 748 Home 12
    set_slider 769 Home 12
}

# Linear: every later photo overlaps the one before it by a third.
tune_linear() {
    local row
    for ((row = 2; row <= $1; row++)); do
        select_row "$row"
        set_slider 657 Home 12
    done
}

# Transparent: the later photo 30 % transparent, 60 % of the background's width,
# moved right.
tune_transparent() {
    set_slider 657 Home 3
    set_slider 678 End 14
    set_slider 699 Home 13
}

# start_window_manager: openbox draws the window frames; waits until it manages.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    local deadline=$((SECONDS + WAIT_SECONDS))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        kill -0 "$WM_PID" 2>/dev/null || die "openbox did not start"
        ((SECONDS < deadline)) || die "openbox did not take over the display within $WAIT_SECONDS s"
        sleep 0.1
    done
}

run_inside() {
    trap clean_up EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'echo "screenshots: a step failed (line $LINENO)" >&2' ERR
    WORK=$(mktemp -d)
    export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share
    export XDG_CACHE_HOME=$WORK/home/.cache XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    start_window_manager
    shoot composite "" tune_composite pair12_a.jpg pair12_b.jpg
    shoot shape "Tab space" tune_shape sunset_12mp.jpg dragonfly_13mp.jpg
    shoot linear-horizontal "Tab Tab space" tune_linear pair12_a.jpg sunset_12mp.jpg pair12_b.jpg
    shoot linear-vertical "Tab Tab space Tab Tab space" tune_linear sunset_12mp.jpg dragonfly_13mp.jpg
    shoot transparent "Tab Tab Tab space" tune_transparent sunset_12mp.jpg pair12_b.jpg
}

if [[ -n "${SHOTS_INSIDE:-}" ]]; then
    run_inside
else
    prepare_and_relaunch "$@"
fi
