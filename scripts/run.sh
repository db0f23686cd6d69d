#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Quillane.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

quillane_install_packages
quillane_build release

app="$QUILLANE_ROOT/build/release/src/quillane"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "quillane: no display found; to run it without one use: xvfb-run -a $app"
    exit 1
fi
exec "$app" "$@"
