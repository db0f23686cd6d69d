# What the screenshot scripts share, sourced on the virtual display (inside xvfb-run,
# with SHOTS_WORK the scratch folder): a desktop for the application, its window, and
# a settled picture of that window.

# A home, a runtime folder and a window manager (openbox, its process in shots_wm).
shots_desktop() {
    export HOME=$SHOTS_WORK/home XDG_RUNTIME_DIR=$SHOTS_WORK/runtime
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    openbox >/dev/null 2>&1 &
    shots_wm=$!
    sleep 2
}

# The main window of application process $1, waited for up to a minute; empty when none
# came.
shots_window() {
    local id=
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --pid "$1" --name 'Quillane$' 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && break
        sleep 0.2
    done
    echo "$id"
}

# Window $1 once two looks a second apart agree, with its frame, reduced to 960 points
# wide for the README, as $2/$3.png.
shots_take() {
    local id=$1 folder=$2 name=$3 before= now=
    for _ in $(seq 60); do
        sleep 1
        now=$(import -silent -window "$id" ppm:- | md5sum)
        [[ "$now" == "$before" ]] && break
        before=$now
    done
    import -silent -window "$id" -frame "$SHOTS_WORK/$name-full.png"
    convert "$SHOTS_WORK/$name-full.png" -resize 960x -strip -define png:compression-level=9 "$folder/$name.png"
    echo "screenshots: $name.png"
}
