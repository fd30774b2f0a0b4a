#!/usr/bin/env bash
# Very big files: open to idle, the first Ctrl+End, a key typed at the end, save,
# peak and settled memory (bench_bigfiles on a private Xvfb display, so drawing
# happens), next to cat and wc -l on the same files in the same run, all timed
# as best and median of the same number of runs.
# Usage: bench/bigfiles.sh [build directory]   SJ_BIG_1G=1 adds the 1 GB file
# (about 2.3 GB in $TMPDIR while it runs). SJ_BIG_RUNS sets the runs (default 3).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup bigfiles "$@"
RUNS=${SJ_BIG_RUNS:-3}
export SJ_BIG_DIR=$DIR
# The program's own files and instance channel stay out of the user's.
export XDG_CONFIG_HOME=$DIR/config XDG_RUNTIME_DIR=$DIR/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 OMP_NUM_THREADS=1
filter='BM_BigFile/[013]/'
[ -n "${SJ_BIG_1G:-}" ] && filter='BM_BigFile/'
run_editor() {
    timeout 1800 xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
        "$BIN" --benchmark_filter="$filter" --benchmark_repetitions="$RUNS" \
        --benchmark_report_aggregates_only=true "$@" 2>/dev/null
}
# The first run makes the files; it is the measured one as well.
run_editor | grep -E 'BigFile|Benchmark|^-'
echo
echo "Standard tools on the same files (seconds, best / median of $RUNS, after the editor read them):"
for f in oneline20.txt big50.txt big200.txt huge1g.txt; do
    [ -f "$DIR/$f" ] || continue
    printf '%-14s %11d bytes  cat: %s  wc -l: %s\n' "$f" "$(stat -c %s "$DIR/$f")" \
        "$(timings "$RUNS" sh -c "cat '$DIR/$f' > /dev/null")" \
        "$(timings "$RUNS" sh -c "wc -l '$DIR/$f' > /dev/null")"
done
