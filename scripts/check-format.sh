#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format says
# (installs clang-format if it is missing). Lists the files that are not and exits 1.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

quillane_install_packages clang-format
cd "$QUILLANE_ROOT"
bad=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if [[ ${#bad[@]} -gt 0 ]]; then
    echo "quillane: not formatted (run clang-format -i on them):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "quillane: formatting checked"
