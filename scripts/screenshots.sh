#!/usr/bin/env bash
# Makes the README's screenshots again: one per project type, taken from the real
# application on a virtual display, driven with keys and clicks as a person would
# (project type dialog, Add Photo panel with the path typed in, a control or two).
# Then its looks: in German (the window, the project type dialog, About and the
# unsaved-work question), in dark colours (GTK's dark Adwaita through Qt's GTK platform
# theme) and at twice the scale on a 1600 x 1000 screen.
#
#   bash scripts/screenshots.sh [OUTPUT_FOLDER]      (default: docs/screenshots)
#
# SHOTS_SETS names the sets to make (default "types looks scaled"; "habits": Preferences
# and the keyboard shortcuts).
# Photos come from $QUILLANE_PHOTOS, else ../shared/photos beside the repository.
# Installs what is missing (the build's packages, and xdotool, openbox, imagemagick
# and x11-utils for the driving and the pictures), builds build/dev/src/quillane if
# needed, and runs it with a throw-away home folder, so nothing is written into yours.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SHOT_TOOLS=(xdotool openbox imagemagick x11-utils qt6-gtk-platformtheme)
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
    export SHOTS_PHOTOS SHOTS_OUT SHOTS_INSIDE
    SHOTS_PHOTOS=$(cd "$photos" && pwd)
    SHOTS_OUT=$(cd "$out" && pwd)
    local started=$SECONDS sets=" ${SHOTS_SETS:-types looks scaled} " set
    for set in types looks habits; do
        [[ "$sets" == *" $set "* ]] || continue
        SHOTS_INSIDE=$set xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" bash "${BASH_SOURCE[0]}"
    done
    if [[ "$sets" == *" scaled "* ]]; then
        SHOTS_INSIDE=scaled xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" bash "${BASH_SOURCE[0]}"
    fi
    echo "screenshots: done in $((SECONDS - started)) s; pictures in $SHOTS_OUT"
}

# ---- inside the virtual display

APP_PID=
MAIN_ID=
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
    alert=$(find_window 'could not|Error|konnte nicht|Fehler')
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

# The main window: the one start_app found (the titles of alerts may end in
# "Quillane" too).
main_window() {
    [[ -n "$MAIN_ID" ]] || die "the application has not been started"
    echo "$MAIN_ID"
}

# start_app [VARIABLE=VALUE...] -- [ARGUMENT...]: starts the application with those
# variables and arguments and waits for its main window (whose title, such as
# "Untitled — Quillane", ends in the name).
start_app() {
    local variables=()
    while [[ $# -gt 0 && "$1" != -- ]]; do
        variables+=("$1")
        shift
    done
    shift
    env "${variables[@]+"${variables[@]}"}" "$QUILLANE_ROOT/build/dev/src/quillane" "$@" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    MAIN_ID=$(await_window 'Quillane$' "main")
}

# The Add Photo panel's title, in English or German.
ADD_PANEL='^(Add (a )?photo|Fotos hinzuf)'
# The project type dialog's.
NEW_PROJECT='^(New Project|Neues Projekt)'


# open_add_photo: opens the Add Photo panel with its shortcut; prints the panel's id.
# The panel only opens once the application is free again (not loading a photo).
open_add_photo() {
    local main
    main=$(main_window)
    press "$main" ctrl+o
    await_window "$ADD_PANEL" "Add Photo"
}

# add_photo FILE: types the photo's path into the Add Photo panel (open already, or
# opened with the shortcut).
add_photo() {
    local file=$SHOTS_PHOTOS/$1 panel
    panel=$(find_window "$ADD_PANEL")
    [[ -n "$panel" ]] || panel=$(open_add_photo)
    press "$panel"
    xdotool type --clearmodifiers --delay 15 "$file"
    xdotool key Return
    await_gone "$ADD_PANEL" "Add Photo"
}

# wait_until_idle: the application answers again (it is not busy loading a photo).
wait_until_idle() {
    local panel
    panel=$(open_add_photo)
    press "$panel" Escape
    await_gone "$ADD_PANEL" "Add Photo"
}

# settle WINDOW NAME: waits until two looks at the window (or root, the screen) in a
# row are the same: the preview has been drawn.
settle() {
    local deadline=$((SECONDS + WAIT_SECONDS)) before='' now
    xdotool mousemove 0 0
    while ((SECONDS < deadline)); do
        sleep 0.5
        now=$(import -silent -window "$1" ppm:- | md5sum)
        [[ "$now" == "$before" ]] && break
        before=$now
    done
    [[ "$now" == "$before" ]] || die "the window of $2 did not settle within $WAIT_SECONDS s"
}

# keep NAME: the picture $WORK/NAME-full.png, at most SHOT_WIDTH across, as NAME.png.
keep() {
    convert "$WORK/$1-full.png" -resize "${SHOT_WIDTH}x>" -strip \
        -define png:compression-level=9 "$SHOTS_OUT/$1.png"
    echo "screenshots: $1.png"
}

# capture_when_still NAME [WINDOW]: once the window (the main one unless named) has
# settled, keeps it with its frame as NAME.png.
capture_when_still() {
    local id=${2:-$(main_window)}
    settle "$id" "$1"
    import -silent -window "$id" -frame "$WORK/$1-full.png"
    keep "$1"
}

# capture_over_main NAME: the screen where the main window is, frame and whatever
# alert or dialog is open over it included, as NAME.png.
capture_over_main() {
    local main x y width height left right top bottom
    main=$(main_window)
    settle root "$1"
    # The client's place and size (xdotool's position counts the frame twice), then the
    # frame's edges around it.
    read -r x y width height < <(xwininfo -id "$main" |
        awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
             /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x, y, w, h}')
    read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS | cut -d= -f2 | tr -d ,)
    import -silent -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
        +repage "$WORK/$1-full.png"
    keep "$1"
}

# capture_screen NAME: the whole screen as NAME.png.
capture_screen() {
    settle root "$1"
    import -silent -window root "$WORK/$1-full.png"
    keep "$1"
}

# stop_app: ends the application (a session's termination: no unsaved-work question).
stop_app() {
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    MAIN_ID=
}

# shoot NAME "TYPE KEYS" TUNE PHOTO...: one screenshot. TYPE KEYS choose the project
# type in the dialog (its first choice, Composite, has the focus); TUNE sets the
# controls once the photos are in, told how many there are.
shoot() {
    local name=$1 keys=$2 tune=$3 photo dialog started=$SECONDS
    shift 3
    start_app --
    dialog=$(await_window "$NEW_PROJECT" "project type")
    # shellcheck disable=SC2086
    press "$dialog" $keys Return
    await_gone "$NEW_PROJECT" "project type"
    await_window "$ADD_PANEL" "Add Photo" >/dev/null
    for photo in "$@"; do
        add_photo "$photo"
    done
    wait_until_idle
    check_main_size
    "$tune" "$#"
    capture_when_still "$name"
    stop_app
    echo "screenshots: $name took $((SECONDS - started)) s"
}

# ---- the looks

# start_with_photos [VARIABLE=VALUE...]: the application with two photos named on its
# command line, once its project type dialog (DIALOG) is open.
DIALOG=
start_with_photos() {
    start_app "$@" -- "$SHOTS_PHOTOS/pair12_a.jpg" "$SHOTS_PHOTOS/pair12_b.jpg"
    DIALOG=$(await_window "$NEW_PROJECT" "project type")
}

# choose_composite: takes the dialog's first choice; the photos follow. Under the GTK
# theme Return presses the focused choice instead of OK: there OK has a mnemonic.
choose_composite() {
    press "$DIALOG" Return
    sleep 1
    [[ -z "$(find_window "$NEW_PROJECT")" ]] || press "$DIALOG" alt+o
    await_gone "$NEW_PROJECT" "project type"
    wait_until_idle
}

# open_alert KEY...: types the keys into the main window and waits for the alert;
# close_alert dismisses it with Escape and waits until it is gone.
WINDOWS_BEFORE_ALERT=
open_alert() {
    local main
    main=$(main_window)
    WINDOWS_BEFORE_ALERT=$(count_windows)
    press "$main" "$@"
    await_more_windows "$WINDOWS_BEFORE_ALERT" "alert"
}

close_alert() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    xdotool key Escape
    while (($(count_windows) > WINDOWS_BEFORE_ALERT)); do
        ((SECONDS < deadline)) || die "the alert stayed open for $WAIT_SECONDS s"
        sleep 0.1
    done
}

# German: the project type dialog, the window with the later photo selected, About
# (Help's last entry) and the unsaved-work question of New Project.
shoot_german() {
    start_with_photos LANGUAGE=de
    capture_when_still new-project-de "$DIALOG"
    choose_composite
    check_main_size
    select_row 2
    capture_when_still german-window
    open_alert alt+h b # Hilfe › Über Quillane
    capture_over_main about-de
    close_alert
    open_alert ctrl+n
    capture_over_main unsaved-work-question-de
    close_alert
    stop_app
}

# Dark: GTK's dark Adwaita, which Qt's GTK platform theme follows: the project type
# dialog over the window, then the window with the later photo selected.
shoot_dark() {
    start_with_photos QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    capture_over_main new-project-dark
    choose_composite
    check_main_size
    select_row 2
    capture_when_still dark-window
    stop_app
}

# Twice the scale on a 1600 x 1000 screen: the project type dialog, then the window
# (larger than the screen at its opening size, so the whole screen is taken).
shoot_scaled() {
    start_with_photos QT_SCALE_FACTOR=2
    capture_screen new-project-scale-2
    choose_composite
    capture_screen scale-2-on-1600x1000
    stop_app
}

# Everyday habits: Edit › Preferences and Help › Keyboard Shortcuts over the window.
shoot_habits() {
    start_with_photos
    choose_composite
    check_main_size
    open_alert ctrl+comma
    capture_over_main preferences
    close_alert
    open_alert F1
    capture_over_main keyboard-shortcuts
    close_alert
    stop_app
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
    choose_in_combo 600 610 "Overlay"
}

# Shape: the later photo cut out as a heart, smaller and moved right and up.
tune_shape() {
    local main picker
    main=$(main_window)
    click "$main" 500 615
    picker=$(await_window '^Select Shape' "shape picker")
    click "$picker" 245 42
    await_gone '^Select Shape' "shape picker"
    set_slider 661 Home 5
    set_slider 682 Home 12
    set_slider 703 Home 12
}

# Linear: every later photo overlaps the one before it by a third.
tune_linear() {
    local row
    for ((row = 2; row <= $1; row++)); do
        select_row "$row"
        set_slider 635 Home 12
    done
}

# Transparent: the later photo 30 % transparent, 60 % of the background's width,
# moved right.
tune_transparent() {
    set_slider 635 Home 3
    set_slider 656 End 14
    set_slider 677 Home 13
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
    case $SHOTS_INSIDE in
    types)
        shoot composite "" tune_composite pair12_a.jpg pair12_b.jpg
        shoot shape "Tab space" tune_shape sunset_12mp.jpg dragonfly_13mp.jpg
        shoot linear-horizontal "Tab Tab space" tune_linear pair12_a.jpg sunset_12mp.jpg pair12_b.jpg
        shoot linear-vertical "Tab Tab space Tab Tab space" tune_linear sunset_12mp.jpg dragonfly_13mp.jpg
        shoot transparent "Tab Tab Tab space" tune_transparent sunset_12mp.jpg pair12_b.jpg
        ;;
    looks)
        shoot_german
        shoot_dark
        ;;
    habits)
        shoot_habits
        ;;
    scaled)
        shoot_scaled
        ;;
    esac
}

if [[ -n "${SHOTS_INSIDE:-}" ]]; then
    run_inside
else
    prepare_and_relaunch "$@"
fi
