#!/usr/bin/env bash
# The editor with 50 MB documents (open to shown, save, memory, keystroke and
# caret move) and the main window's start to shown, next to the physical floor
# of the same machine in the same run: reading the file with cat, copying it with cp.
# Usage: bench/editor.sh [build directory]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
BIN=$BUILD/bench/bench_editor
[ -x "$BIN" ] || cmake --build "$BUILD" --target bench_editor -j 2
DIR=$(mktemp -d "${TMPDIR:-/tmp}/sj-editor-XXXXXX")
trap 'rm -rf "$DIR"' EXIT
export SJ_EDITOR_DIR=$DIR
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

"$BIN" 2>/dev/null

echo
echo "Physical floor on the same files (best of 3, seconds):"
best() {
    local best=""
    for _ in 1 2 3; do
        local t0 t1
        t0=$(date +%s.%N)
        "$@"
        t1=$(date +%s.%N)
        best=$(echo "$t1 $t0 ${best:-999}" | awk '{d=$1-$2; print (d<$3)?d:$3}')
    done
    echo "$best"
}
for f in crlf.txt lf.txt cp1252.txt; do
    [ -f "$DIR/$f" ] || continue
    size=$(stat -c %s "$DIR/$f")
    printf '%-12s %10d bytes  cat: %ss  cp: %ss  cp+sync: %ss\n' "$f" "$size" \
        "$(best sh -c "cat '$DIR/$f' > /dev/null")" \
        "$(best cp "$DIR/$f" "$DIR/copy")" \
        "$(best sh -c "cp '$DIR/$f' '$DIR/copy' && sync '$DIR/copy'")"
done
