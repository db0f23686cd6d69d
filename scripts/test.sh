#!/usr/bin/env bash
# Installs what is missing, builds the development build and runs every test.
# QUILLANE_ASAN=1 also builds and runs the suite under the address and
# undefined-behaviour sanitizers; QUILLANE_TSAN=1 the engine and renderer tests under
# the thread sanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

quillane_install_packages
quillane_build dev
export QT_QPA_PLATFORM=offscreen
ctest --preset dev -j "$(nproc)"
if [[ "${QUILLANE_TSAN:-0}" == 1 ]]; then
    quillane_build tsan
    ctest --preset tsan -j "$(nproc)"
fi
if [[ "${QUILLANE_ASAN:-0}" == 1 ]]; then
    quillane_build asan
    ctest --preset asan -j "$(nproc)"
fi
