#!/usr/bin/env bash
# Strip HTML Tags on a 50 MB page, next to sed removing the tags from the same file in the
# same run (sed does far less: no entities, no line-break rules).
# Usage: bench/texttools_html.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup texttools_html "$@"
export SJ_HTML_DIR=$DIR

"$BIN" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

echo
echo "sed on the same file (best of 3, seconds):"
size=$(stat -c %s "$DIR/page.htm")
printf 'page.htm %d bytes  sed s/<[^>]*>//g: %ss  sed with entities: %ss\n' "$size" \
    "$(best sh -c "LC_ALL=C sed 's/<[^>]*>//g' '$DIR/page.htm' > /dev/null")" \
    "$(best sh -c "LC_ALL=C sed -e 's/<[^>]*>//g' -e 's/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g; s/&nbsp;/ /g' '$DIR/page.htm' > /dev/null")"
