#!/bin/sh
# Starts a program on the current X display, waits for its main menu window, closes
# that window the way its close box does (the window manager asks it to close) and
# expects the program to end by itself with status 0.
#   smoke-start.sh PROGRAM LOG
# The waits are generous bounds for a loaded machine, never fixed pauses: the splash
# alone stays six seconds before the main menu opens.
set -u
program=$1
log=$2
"$program" > "$log" 2>&1 &
pid=$!
fail() { echo "smoke-start: $*" >> "$log"; kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; exit 1; }

# Up to 90 s for the main menu, given up at once if the program ends before it.
tries=0
win=""
while [ -z "$win" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its main menu opened"
    tries=$((tries + 1)); [ $tries -gt 450 ] && fail "no main menu window within 90 s"
    sleep 0.2
    win=$(xdotool search --onlyvisible --name 'Pantalla de Inicio' 2>/dev/null | head -1)
done
xprop -id "$win" WM_CLASS | grep -q '"torvelo"' || fail "window class is not torvelo: $(xprop -id "$win" WM_CLASS)"
# A window icon means the SVG icon engine of the installed Qt loaded.
xprop -id "$win" _NET_WM_ICON | grep -q 'not found' && fail "the window has no icon"
echo "main menu window $win: $(xprop -id "$win" WM_NAME)" >> "$log"

# Through the window manager and by window id: a key press would go to whichever window
# has the focus, and the splash may still hold it while it closes.
wmctrl -i -c "$win" || fail "the window manager could not be asked to close the main menu"
tries=0
while kill -0 "$pid" 2>/dev/null; do
    tries=$((tries + 1)); [ $tries -gt 300 ] && fail "the program did not end within 30 s of closing its main menu"
    sleep 0.1
done
wait "$pid"
status=$?
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "closed, status 0" >> "$log"
