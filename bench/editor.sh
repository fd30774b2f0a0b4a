#!/usr/bin/env bash
# The editor with 50 MB documents (open to shown, save, memory, keystroke and
# caret move) and the main window's start to shown, next to the physical floor
# of the same machine in the same run: reading the file with cat, copying it with cp.
# Usage: bench/editor.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup editor "$@"
export SJ_EDITOR_DIR=$DIR
# On a private Xvfb display, so a caret move or a key really draws; its own
# configuration and instance channel.
export XDG_CONFIG_HOME=$DIR/config XDG_RUNTIME_DIR=$DIR/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
timeout 1200 xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$BIN" 2>/dev/null
floor_table crlf.txt lf.txt cp1252.txt
