# shellcheck shell=bash
# Shared by run.sh, test.sh and screenshots.sh: install what is missing, then configure and build.
# Safe to run again: it installs nothing and rebuilds nothing when all is in place.

set -euo pipefail
QUILLANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# quillane_missing_packages [EXTRA...]: the packages of packages.txt, and the extra
# ones named, that are not installed.
quillane_missing_packages() {
    local pkg missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done < <(grep -v '^#' "$QUILLANE_ROOT/scripts/packages.txt"; printf '%s\n' "$@")
    echo "${missing[@]+"${missing[@]}"}"
}

# quillane_install_packages [EXTRA...]: installs what quillane_missing_packages lists.
quillane_install_packages() {
    local missing
    missing=$(quillane_missing_packages "$@")
    [[ -z "$missing" ]] && return 0
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null; then sudo=(sudo); else
            echo "quillane: these packages are missing and installing them needs root: $missing" >&2
            exit 1
        fi
    fi
    echo "quillane: installing $missing"
    "${sudo[@]}" apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq $missing >/dev/null
}

# quillane_build PRESET [TARGET...]: configure once, then build everything or the
# targets named (ninja skips what is up to date).
quillane_build() {
    local preset=$1
    shift
    cd "$QUILLANE_ROOT"
    if [[ ! -f "build/$preset/build.ninja" ]]; then
        local launcher=()
        # ccache, where installed, lets a second copy of the tree (or a rebuild after a
        # clean) reuse the compilations: paths are taken relative to the tree.
        if command -v ccache >/dev/null; then
            launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        fi
        cmake --preset "$preset" "${launcher[@]+"${launcher[@]}"}" >/dev/null
    fi
    export CCACHE_BASEDIR="$QUILLANE_ROOT" CCACHE_NOHASHDIR=1
    local targets=()
    [[ $# -gt 0 ]] && targets=(--target "$@")
    cmake --build --preset "$preset" "${targets[@]+"${targets[@]}"}"
}
