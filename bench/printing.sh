#!/usr/bin/env bash
# Printing 5 MB (1,000 pages): layout, print to file and PDF, next to the
# standard tools on the same text in the same run: fold wrapping it at the
# same width, and pr paginating it.
# Usage: bench/printing.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup printing "$@"
export SJ_PRINT_DIR=$DIR
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$BIN" 2>/dev/null
echo
echo "Standard tools on the same text (best of 3, seconds):"
printf 'fold -s -w 65:   %ss\n' "$(best sh -c "fold -s -w 65 '$DIR/document.txt' > /dev/null")"
printf 'pr -l 66 -W 65:  %ss\n' "$(best sh -c "pr -l 66 -W 65 '$DIR/document.txt' > /dev/null")"
