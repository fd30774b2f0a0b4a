#!/usr/bin/env bash
# Find Next and Replace All over 50 MB, next to sed replacing on the same text
# in the same run, and grep finding the target word near its end.
# Usage: bench/find.sh [build directory]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
BIN=$BUILD/bench/bench_find
[ -x "$BIN" ] || cmake --build "$BUILD" --target bench_find -j 2
DIR=$(mktemp -d "${TMPDIR:-/tmp}/sj-find-XXXXXX")
trap 'rm -rf "$DIR"' EXIT

"$BIN" --write-text="$DIR/big.txt"
"$BIN"

echo
echo "Standard tools on the same 50 MB text (best of 3, seconds):"
best() {
    local best=""
    for _ in 1 2 3; do
        local t0 t1
        t0=$(date +%s.%N)
        "$@" > /dev/null
        t1=$(date +%s.%N)
        best=$(echo "$t1 $t0 ${best:-999}" | awk '{d=$1-$2; print (d<$3)?d:$3}')
    done
    echo "$best"
}
cat "$DIR/big.txt" > /dev/null
printf 'sed s/x/y/g (no x in the text):   %ss\n' "$(best sed 's/x/y/g' "$DIR/big.txt")"
printf 'sed s/the/THE/g (%s matches): %ss\n' "$(grep -o 'the' "$DIR/big.txt" | wc -l)" \
    "$(best sed 's/the/THE/g' "$DIR/big.txt")"
printf 'grep -F Quokkafinch:             %ss\n' "$(best grep -F Quokkafinch "$DIR/big.txt")"
printf 'grep -iF quokkafinch:            %ss\n' "$(best grep -iF quokkafinch "$DIR/big.txt")"
