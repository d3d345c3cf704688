#!/bin/sh
# Runs a command inside a private X session: Xvfb on the display number given, with
# openbox as window manager, both stopped again when the command ends.
#   xsession.sh DISPLAY_NUMBER command [args...]
# The command's exit status is returned; 77 (skipped) when Xvfb or openbox is missing.
set -u
num=$1; shift
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed"; exit 77; }
command -v openbox >/dev/null 2>&1 || { echo "openbox is not installed"; exit 77; }

wm=""
xvfb=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

# The display asked for, unless another server holds it (a second build's suite, a
# developer's own session): then Xvfb picks a free one itself.
holder=$( { tr -d ' ' < "/tmp/.X$num-lock"; } 2>/dev/null)
out=$(mktemp)
if [ -n "$holder" ] && kill -0 "$holder" 2>/dev/null; then
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$out" 2>/dev/null &
    xvfb=$!
    tries=0
    until grep -q '^[0-9]' "$out"; do
        tries=$((tries + 1)); [ $tries -gt 600 ] && { echo "Xvfb found no free display"; exit 1; }
        sleep 0.1
    done
    num=$(head -n 1 "$out")
else
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num" 2>/dev/null
    Xvfb ":$num" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
fi
rm -f "$out"
export DISPLAY=":$num"

# The server and the window manager each get up to 60 s to come up: a loaded CI
# machine is slow, but a missing server must not hang the suite. The server answering
# must be ours, not one that already held the display.
tries=0
until kill -0 "$xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1; do
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb could not start on $DISPLAY"; exit 1; }
    tries=$((tries + 1)); [ $tries -gt 600 ] && { echo "Xvfb did not start on $DISPLAY"; exit 1; }
    sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$wm" 2>/dev/null || { echo "openbox could not start on $DISPLAY"; exit 1; }
    tries=$((tries + 1)); [ $tries -gt 600 ] && { echo "openbox did not start on $DISPLAY"; exit 1; }
    sleep 0.1
done

"$@"
