#!/usr/bin/env bash
# Times the line operations and statistics against standard tools on the same generated
# texts, in one run: sort -f for Sort, sed for Trim Blanks / Compress / Indent, wc -w for
# the statistics counts. Usage: bench/lineops.sh [build-dir]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
BENCH=$BUILD/bench/bench_lineops
[ -x "$BENCH" ] || { echo "Error: $BENCH not built (ninja -C $BUILD bench_lineops)" >&2; exit 1; }

DATA=$(mktemp -d)
trap 'rm -rf "$DATA"' EXIT
"$BENCH" --write-data "$DATA"

# The comparison sort runs in the same collation family when the machine has it.
if locale -a 2>/dev/null | grep -qiE '^en_US\.utf-?8$'; then SORT_LOCALE=en_US.UTF-8; else SORT_LOCALE=C.UTF-8; fi

seconds() {  # seconds a command takes, output discarded
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

echo "sort.txt:  $(wc -l <"$DATA/sort.txt") lines, $(($(stat -c %s "$DATA/sort.txt") / 1048576)) MB"
echo "prose.txt: $(wc -l <"$DATA/prose.txt") lines, $(($(stat -c %s "$DATA/prose.txt") / 1048576)) MB"
echo
echo "Standard tools:"
printf '  %-44s %6.3f s\n' "LC_ALL=$SORT_LOCALE sort -f (1M lines)" \
    "$(seconds env LC_ALL=$SORT_LOCALE sort -f "$DATA/sort.txt")"
printf '  %-44s %6.3f s\n' "sed trailing blanks (50 MB)" "$(seconds sed -E 's/[ \t]+(\r?)$/\1/' "$DATA/prose.txt")"
printf '  %-44s %6.3f s\n' "sed compress empty lines (50 MB)" "$(seconds sed -E '/^\r?$/d' "$DATA/prose.txt")"
printf '  %-44s %6.3f s\n' "sed indent (50 MB)" "$(seconds sed -E 's/^(.)/    \1/' "$DATA/prose.txt")"
printf '  %-44s %6.3f s\n' "wc -w (50 MB)" "$(seconds env LC_ALL=C.UTF-8 wc -w "$DATA/prose.txt")"
echo
echo "This program (Google Benchmark, same texts):"
"$BENCH" --benchmark_format=console 2>/dev/null | grep '^BM_'
