#!/usr/bin/env bash
# The real editor on a virtual screen: type into a file's page and into an
# untitled page, kill the editor with SIGKILL, start it again, accept the
# offers, and find the typed text back in the new session's pages while the
# file on disk was never touched.
set -euo pipefail
EXE=$(realpath "$1")
if [ "${2:-}" != "--inner" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
    done
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$EXE" --inner
fi

WORK=$(mktemp -d)
PID=
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
# On the virtual screen, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb
export HOME=$WORK XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$WORK/run"
RECOVERY=$WORK/config/superjotleaf/recovery
printf 'first line\n' >"$WORK/notes.txt"
cd "$WORK"

fail() {
    echo "FAIL: $*"
    ls -la "$RECOVERY" 2>/dev/null || true
    exit 1
}

# Waits until some recovery file holds the text ($2: a session to leave out).
wait_for_text() {
    for _ in $(seq 1 300); do
        for f in "$RECOVERY"/*.sjrec; do
            [ -e "$f" ] || continue
            [ -n "${2:-}" ] && [[ $(basename "$f") == "$2"-* ]] && continue
            grep -q "$1" "$f" && return 0
        done
        sleep 0.2
    done
    return 1
}

focus_editor() {
    local wid
    wid=$(timeout 60 xdotool search --sync --onlyvisible --name "Super Jotleaf" 2>/dev/null | head -1 || true)
    [ -n "$wid" ] || fail "no editor window"
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    sleep 1
}

"$EXE" /NS notes.txt &
PID=$!
focus_editor
xdotool type --delay 30 "typed before the kill "
xdotool key ctrl+n
sleep 0.5
xdotool type --delay 30 "untitled words"
wait_for_text "typed before the kill" || fail "the file's page was not kept"
wait_for_text "untitled words" || fail "the untitled page was not kept"
OLD_SESSION=$(cd "$RECOVERY" && set -- *.sjrec && echo "${1%-*}")
kill -9 "$PID"
wait "$PID" 2>/dev/null || true
PID=

"$EXE" /NS &
PID=$!
focus_editor
# Two offers, one per page, each in a box titled with the program's name
# alone; Enter takes its default, Recover.
for _ in 1 2; do
    box=$(timeout 60 xdotool search --sync --onlyvisible --name "^Super Jotleaf$" 2>/dev/null | head -1 || true)
    [ -n "$box" ] || fail "no recovery question"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Return
    sleep 1
done
wait_for_text "typed before the kill" "$OLD_SESSION" || fail "the file's text was not offered back"
wait_for_text "untitled words" "$OLD_SESSION" || fail "the untitled text was not offered back"
ls "$RECOVERY" | grep -q "^$OLD_SESSION-" && fail "recovered files of the killed session are still there"
[ "$(cat "$WORK/notes.txt")" = "first line" ] || fail "the file on disk changed"
echo "recovered after SIGKILL"
