#!/bin/sh
# Checks the accessibility tree of a built quillane over the AT-SPI bus, in a virtual
# display and a session bus of its own. Usage: scripts/check-accessibility.sh [QUILLANE]
# Needs xvfb, dbus, at-spi2-core and python3-pyatspi.
set -e
program=$(realpath "${1:-build/dev/src/quillane}")
here=$(dirname "$0")
exec xvfb-run -a -s "-screen 0 1400x1000x24" dbus-run-session -- /usr/bin/python3 "$here/check-accessibility.py" "$program"
