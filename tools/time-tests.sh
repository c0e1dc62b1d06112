#!/usr/bin/env bash
# Runs the test suite of a built tree and says where its time goes: the ten
# slowest tests (wall time) and the CPU time (user + system, with the tools
# the tests start) of each CTest label, unlabelled tests as "(none)".
#
#   tools/time-tests.sh [build folder] [parallel jobs] [more ctest options]
#
# (make time-tests runs it on the build folder); more options narrow the
# run, e.g. -R ProjectChecker.
#
# The labels run one after the other, so each one's CPU time is its own.
set -euo pipefail
build=${1:-build}
jobs=${2:-$(nproc)}
shift $(($# < 2 ? $# : 2))
more=("$@")
cd "$build"
export QT_QPA_PLATFORM=offscreen

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

mapfile -t labels < <(ctest --print-labels | sed -n 's/^  //p')
exclude=$(IFS='|'; echo "${labels[*]}")

status=0
TIMEFORMAT='%U %S'
run() { # name, ctest selection...
    local name=$1
    shift
    echo "running the tests of label $name"
    { time ctest -j "$jobs" --output-on-failure "${more[@]}" "$@" > "$logs/$name.log" 2>&1 \
        || { status=1; tail -n 40 "$logs/$name.log" >&2; }; } 2> "$logs/$name.time"
}
for label in "${labels[@]}"; do
    run "$label" -L "^${label}\$"
done
if [ ${#labels[@]} -gt 0 ]; then
    run "(none)" -LE "^(${exclude})\$"
else
    run "(none)"
fi

echo
echo "Ten slowest tests (wall seconds):"
cat "$logs"/*.log | sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 \1/p' \
    | sort -rn | head -n 10 | awk '{ printf "  %9.2f  %s\n", $1, $2 }'
echo
echo "CPU time per label (user + system seconds):"
total=0
for label in "${labels[@]}" "(none)"; do
    read -r user sys < "$logs/$label.time"
    count=$(grep -c ' Test *#' "$logs/$label.log" || true)
    awk -v l="$label" -v u="$user" -v s="$sys" -v n="$count" \
        'BEGIN { printf "  %9.1f  %s (%d tests; user %.1f, system %.1f)\n", u + s, l, n, u, s }'
done
cat "$logs"/*.time | awk '{ t += $1 + $2 } END { printf "  %9.1f  all\n", t }'
exit $status
