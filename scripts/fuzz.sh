#!/usr/bin/env bash
# Builds and runs the libFuzzer programs (clang with the address sanitizer; preset fuzz).
#   bash scripts/fuzz.sh build                 configure once and build both programs
#   bash scripts/fuzz.sh run photo|project|heif|jxl|raw [SECONDS]
#                                              fuzz one entry (default 600 s) on one core
# A run grows its corpus in build/fuzz/corpus/NAME from the committed seeds in
# fuzz/corpus/NAME and leaves any crashing or hanging input in build/fuzz/findings/NAME.
# Fix the cause, then copy the input into fuzz/corpus/NAME: the test suite replays it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

fuzz_run() {
    local name=$1 seconds=${2:-600}
    local program="$QUILLANE_ROOT/build/fuzz/fuzz/fuzz_$name"
    [[ -x "$program" ]] || { echo "fuzz: $program is not built (bash scripts/fuzz.sh build)" >&2; exit 1; }
    local corpus="$QUILLANE_ROOT/build/fuzz/corpus/$name" findings="$QUILLANE_ROOT/build/fuzz/findings/$name"
    mkdir -p "$corpus" "$findings"
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=3
                   -artifact_prefix="$findings/" -print_final_stats=1)
    [[ -f "$QUILLANE_ROOT/fuzz/$name.dict" ]] && options+=(-dict="$QUILLANE_ROOT/fuzz/$name.dict")
    # The photo entry writes each input to a file: keep that in memory where possible.
    [[ -d /dev/shm ]] && export TMPDIR=/dev/shm
    export QT_QPA_PLATFORM=offscreen
    nice -n 19 "$program" "${options[@]}" "$corpus" "$QUILLANE_ROOT/fuzz/corpus/$name"
}

case "${1:-}" in
    build)
        # clang and its fuzzer runtime are needed here only, not by the normal build.
        quillane_install_packages clang libclang-rt-14-dev
        quillane_build fuzz ;;
    run)
        [[ "${2:-}" =~ ^(photo|project|heif|jxl|raw)$ ]] || { echo "usage: fuzz.sh run photo|project|heif|jxl|raw [SECONDS]" >&2; exit 2; }
        fuzz_run "$2" "${3:-600}" ;;
    *)
        echo "usage: bash scripts/fuzz.sh build | run photo|project|heif|jxl|raw [SECONDS]" >&2
        exit 2 ;;
esac
