#!/bin/sh
# Runs a command inside a private X session: Xvfb on the display number given, with
# openbox as window manager, both stopped again when the command ends.
#   xsession.sh DISPLAY_NUMBER command [args...]
# The command's exit status is returned; 77 (skipped) when Xvfb or openbox is missing.
set -u
num=$1; shift
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed"; exit 77; }
command -v openbox >/dev/null 2>&1 || { echo "openbox is not installed"; exit 77; }

export DISPLAY=":$num"
rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num" 2>/dev/null
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

# The server and the window manager each get up to 20 s to come up: a loaded CI
# machine is slow, but a missing server must not hang the suite.
tries=0
until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1)); [ $tries -gt 200 ] && { echo "Xvfb did not start on $DISPLAY"; exit 1; }
    sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1)); [ $tries -gt 200 ] && { echo "openbox did not start on $DISPLAY"; exit 1; }
    sleep 0.1
done

"$@"
