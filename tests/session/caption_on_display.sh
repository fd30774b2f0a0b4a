#!/bin/sh
# Starts the editor on the display given and checks the title its main window
# hands to the window manager: the caption alone, nothing appended.
set -e
program="$1"
home=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$home"' EXIT
QT_QPA_PLATFORM=xcb HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home" \
    "$program" /NS &
pid=$!
found=""
# A loaded machine may take long to show the window: look while it runs.
for i in $(seq 1 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
    found=$(xwininfo -root -tree 2>/dev/null | grep -o '"[^"]*Super Jotleaf ([^"]*"' | head -n 1 || true)
    [ -n "$found" ] && break
done
echo "window title: $found"
# A leading blank marks multiple instances; a read-only page adds its mark.
echo "$found" | grep -Eq '^" ?Super Jotleaf \(.*\)( \[read-only\])?"$'
