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
out=$(mktemp)
wmlog=$(mktemp)
cleanup() {
    rm -f "$out" "$wmlog"
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

# The display asked for, unless something else holds it: a second build's suite, a
# developer's own session, or a server in another container that shares this network
# (its lock file is out of sight, its abstract socket is not). -nopn makes Xvfb give up
# when any of its sockets is taken, so a display is only used when it is wholly ours;
# otherwise Xvfb picks a free one itself. -displayfd says when the server is ready.
# -noreset: by default the server resets whenever its last client leaves, and a client
# that connects in that moment is refused; each probe below (xdpyinfo, xprop) is such a
# last client, and openbox was refused on about one start in ten.
start_xvfb() {
    : >"$out"
    Xvfb "$@" -displayfd 1 -nopn -noreset -screen 0 1024x768x24 -nolisten tcp >"$out" 2>/dev/null &
    xvfb=$!
    # Up to 60 s: a loaded CI machine is slow, but a broken server must not hang the suite.
    tries=0
    until grep -q '^[0-9]' "$out"; do
        kill -0 "$xvfb" 2>/dev/null || { wait "$xvfb" 2>/dev/null; xvfb=""; return 1; }
        tries=$((tries + 1)); [ $tries -gt 600 ] && return 1
        sleep 0.1
    done
    num=$(head -n 1 "$out")
}
if ! start_xvfb ":$num"; then
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    xvfb=""
    start_xvfb || { echo "Xvfb could not start"; exit 1; }
fi
export DISPLAY=":$num"
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb does not answer on $DISPLAY"; exit 1; }

openbox --sm-disable >"$wmlog" 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$wm" 2>/dev/null || { echo "openbox could not start on $DISPLAY:"; cat "$wmlog"; exit 1; }
    tries=$((tries + 1)); [ $tries -gt 600 ] && { echo "openbox did not start on $DISPLAY"; exit 1; }
    sleep 0.1
done

"$@"
