#!/usr/bin/env bash
# The editor with 50 MB documents (open to shown, save, memory, keystroke and
# caret move) and the main window's start to shown, next to the physical floor
# of the same machine in the same run: reading the file with cat, copying it with cp.
# Usage: bench/editor.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup editor "$@"
export SJ_EDITOR_DIR=$DIR
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$BIN" 2>/dev/null
floor_table crlf.txt lf.txt cp1252.txt
