#!/usr/bin/env bash
# Start of the program to its main window on the screen (no files), on a private
# Xvfb display: the time until the window with the program's caption exists.
# The program gets its own configuration and instance channel (a running editor
# of the user's would otherwise take the start over), and every wait has a limit.
# Needs xvfb and x11-utils (xwininfo). Usage: bench/startup.sh [build directory]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
BUILD=${1:-$ROOT/build}
APP=$BUILD/superjotleaf
[ -x "$APP" ] || cmake --build "$BUILD" --target superjotleaf -j 2
DIR=$(mktemp -d "${TMPDIR:-/tmp}/sj-startup-XXXXXX")
export XDG_CONFIG_HOME=$DIR/config XDG_RUNTIME_DIR=$DIR/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export DISPLAY=:${SJ_DISPLAY:-93}
Xvfb "$DISPLAY" -screen 0 1280x860x24 >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; rm -rf "$DIR"' EXIT
sleep 1
# A first run writes the configuration, so the runs measured are ordinary starts.
"$APP" /NS >/dev/null 2>&1 & P=$!; sleep 2; kill $P; wait $P 2>/dev/null || true
for _ in 1 2 3 4 5; do
    t0=$(date +%s.%N)
    "$APP" /NS >/dev/null 2>&1 & P=$!
    if timeout 30 sh -c "until xwininfo -root -tree 2>/dev/null | grep -q '\"Super Jotleaf ('; do sleep 0.005; done"; then
        t1=$(date +%s.%N)
        echo "start to window shown: $(echo "$t1 $t0" | awk '{printf "%.3f", $1-$2}') s"
    else
        echo "no window within 30 s"
    fi
    kill $P; wait $P 2>/dev/null || true
done
