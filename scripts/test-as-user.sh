#!/usr/bin/env bash
# Runs the README's test command once more as an unprivileged user, for a root session
# (CI): a superuser is never refused by file permissions, so without this pass the code
# that tells a user they may not read or write a file would never run.
#
# The tree (it holds its own test photos) is copied into a fresh folder the user
# owns, since the checkout may sit where only root can reach it, and is built there.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
USER_NAME=${QUILLANE_TEST_USER:-quillane-test}

if [[ $(id -u) -ne 0 ]]; then
    echo "test-as-user: already running as an unprivileged user; use scripts/test.sh" >&2
    exit 1
fi
if ! id -u "$USER_NAME" >/dev/null 2>&1; then
    useradd --create-home --shell /bin/bash "$USER_NAME"
fi
home=$(getent passwd "$USER_NAME" | cut -d: -f6)

work=$(mktemp -d /tmp/quillane-as-user.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/main"
# Tracked files and untracked ones git does not ignore: what a fresh clone would hold,
# plus work not yet committed.
(cd "$ROOT" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$work/main")
# The compilations cached by the pass as root, so that this one compiles little.
if [[ -n "${CCACHE_DIR:-}" && -d "$CCACHE_DIR" ]]; then
    cp -a "$CCACHE_DIR" "$work/ccache"
fi
chown -R "$USER_NAME": "$work"
chmod -R u+w "$work"

echo "test-as-user: running the suite as $USER_NAME in $work/main"
runuser -u "$USER_NAME" -- env -i HOME="$home" PATH="$PATH" LANG=C.UTF-8 \
    CI="${CI:-}" QUILLANE_ASAN="${QUILLANE_ASAN:-0}" QUILLANE_TSAN="${QUILLANE_TSAN:-0}" \
    CCACHE_DIR="$work/ccache" \
    bash "$work/main/scripts/test.sh"
