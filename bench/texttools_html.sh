#!/usr/bin/env bash
# Strip HTML Tags on a 50 MB page, next to sed removing the tags from the same file in the
# same run (sed does far less: no entities, no line-break rules).
# Usage: bench/texttools_html.sh [build directory]   (default: build)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
BIN=$BUILD/bench/bench_texttools_html
[ -x "$BIN" ] || cmake --build "$BUILD" --target bench_texttools_html -j 2
DIR=$(mktemp -d "${TMPDIR:-/tmp}/sj-html-XXXXXX")
trap 'rm -rf "$DIR"' EXIT
export SJ_HTML_DIR=$DIR

"$BIN" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

echo
echo "sed on the same file (best of 3, seconds):"
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
size=$(stat -c %s "$DIR/page.htm")
printf 'page.htm %d bytes  sed s/<[^>]*>//g: %ss  sed with entities: %ss\n' "$size" \
    "$(best sh -c "LC_ALL=C sed 's/<[^>]*>//g' '$DIR/page.htm' > /dev/null")" \
    "$(best sh -c "LC_ALL=C sed -e 's/<[^>]*>//g' -e 's/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g; s/&nbsp;/ /g' '$DIR/page.htm' > /dev/null")"
