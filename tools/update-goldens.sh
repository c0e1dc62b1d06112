#!/usr/bin/env bash
# Rewrites the golden projects (tests/boards/golden, tests/generator/golden)
# from what the built program writes, then says which files changed.
#
#   tools/update-goldens.sh [build folder] [parallel jobs] [more ctest options]
#
# (make update-goldens builds first and runs it on the build folder.) Every
# golden test runs with PINSMITH_UPDATE_GOLDEN=1: it writes its fixture
# folder anew (exported copies of embedded files go to the folder's
# exported-files.txt, not into the folder) and still runs the real-tool
# checks. Review the change with git diff before committing it: only the
# files your change meant to change may differ.
set -euo pipefail
build=${1:-build}
jobs=${2:-$(nproc)}
shift $(($# < 2 ? $# : 2))
more=("$@")
source_dir=$(cd "$(dirname "$0")/.." && pwd)
folders=(tests/boards/golden tests/generator/golden)

status=0
(cd "$build" && PINSMITH_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen \
    ctest -j "$jobs" -R 'Golden\.' --output-on-failure "${more[@]}") || status=$?

cd "$source_dir"
changed=$(git status --short --untracked-files=all -- "${folders[@]}")
if [ -z "$changed" ]; then
    echo "No golden file changed."
else
    echo "Golden files changed (git status; review with: git diff --stat -- ${folders[*]}):"
    echo "$changed"
    git diff --stat -- "${folders[@]}" | tail -n 1
fi
if [ "$status" -ne 0 ]; then
    echo "Some golden tests failed while updating (see above): the fixtures of those cases may be incomplete." >&2
fi
exit "$status"
