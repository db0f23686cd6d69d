# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Safe to run again: it installs nothing and rebuilds nothing when all is in place.

set -euo pipefail
QUILLANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

quillane_missing_packages() {
    local pkg missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done < "$QUILLANE_ROOT/scripts/packages.txt"
    echo "${missing[@]+"${missing[@]}"}"
}

quillane_install_packages() {
    local missing
    missing=$(quillane_missing_packages)
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

# quillane_build PRESET: configure once, then build (ninja skips what is up to date).
quillane_build() {
    local preset=$1
    cd "$QUILLANE_ROOT"
    if [[ ! -f "build/$preset/build.ninja" ]]; then
        cmake --preset "$preset" >/dev/null
    fi
    cmake --build --preset "$preset"
}
