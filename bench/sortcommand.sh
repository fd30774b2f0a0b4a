#!/usr/bin/env bash
# The real Sort command (bench_sortcommand) next to `sort -f` on the same file in
# the same run: same locale (the program's collation comes from it), one thread
# each (and sort's default threads for reference), best and median of the same
# number of runs, and the two sorted files must be the same bytes.
# Usage: bench/sortcommand.sh [build directory]   SJ_SORT_RUNS sets the runs (default 3).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup sortcommand "$@"
RUNS=${SJ_SORT_RUNS:-3}
export SJ_SORT_DIR=$DIR LC_ALL=C.UTF-8 LANG=C.UTF-8
export XDG_CONFIG_HOME=$DIR/config XDG_RUNTIME_DIR=$DIR/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$BIN" --write-data "$DIR"
echo "sort.txt: $(wc -l <"$DIR/sort.txt") lines, $(stat -c %s "$DIR/sort.txt") bytes, LC_ALL=$LC_ALL"
timeout 900 "$BIN" --benchmark_repetitions="$RUNS" --benchmark_report_aggregates_only=true 2>/dev/null |
    grep -E 'SortCommand|Benchmark|^-'
echo
echo "sort -f on the same file (seconds, best / median of $RUNS):"
echo "  --parallel=1:    $(timings "$RUNS" sh -c "sort -f --parallel=1 '$DIR/sort.txt' > '$DIR/sorted-by-sort.txt'")"
echo "  default threads: $(timings "$RUNS" sh -c "sort -f '$DIR/sort.txt' > /dev/null")"
if cmp -s "$DIR/sorted-by-editor.txt" "$DIR/sorted-by-sort.txt"; then
    echo "outputs agree"
else
    echo "OUTPUTS DIFFER:"
    cmp "$DIR/sorted-by-editor.txt" "$DIR/sorted-by-sort.txt" | head -3
    exit 1
fi
