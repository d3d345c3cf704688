#!/bin/sh
# The program as a user meets it under a real window manager: it starts with no data
# yet, shows the main menu after the splash with the menu's own title, opens and
# closes a screen from the keyboard, and ends when the main menu is closed.
#   startup_smoke.sh PROGRAM        (run inside tests/x11/xsession.sh)
# Only real processes are waited on, each with a generous bound, never a fixed delay.
set -u
program=$1
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb

menu_title="Torvelo Alemania 2006- Pantalla de Inicio - Resolucion Optima 800 x 600"
chooser_title="Torvelo Alemania 2006 - Grupos y Llave - Resolucion Optima 800 x 600"

work=$(mktemp -d)
pid=""
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT INT TERM

fail() {
    echo "FAIL: $*"
    echo "windows on $DISPLAY:"
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $w: $(xprop -notype -id "$w" _NET_WM_NAME 2>/dev/null)"
    done
    exit 1
}

# The window's title as the window manager reads it, from one property.
title_of() {
    xprop -notype -id "$1" "$2" 2>/dev/null | sed -n 's/^[^=]*= "\(.*\)"$/\1/p'
}

# Polls every 0.1 s for up to $1 seconds for a visible window whose title contains $2;
# prints its id.
wait_for_window() {
    tries=$(($1 * 10))
    while [ "$tries" -gt 0 ]; do
        id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

wait_until_gone() {
    tries=$(($1 * 10))
    while [ "$tries" -gt 0 ]; do
        xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 || return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

check_titles() {
    for property in _NET_WM_NAME WM_NAME; do
        got=$(title_of "$1" "$property")
        [ "$got" = "$2" ] || fail "$property of the window is \"$got\", expected \"$2\""
    done
}

# A first start: no data folder, no settings, nothing in the home folder.
mkdir -p "$work/home" "$work/data" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    "$program" >"$work/log" 2>&1 &
pid=$!

# The splash holds the screen for six seconds first; a loaded machine may take longer.
menu=$(wait_for_window 60 "Pantalla de Inicio") || fail "no main menu within 60 s (program log: $(cat "$work/log"))"
check_titles "$menu" "$menu_title"
echo "main menu shown: $menu_title"

# The first button has the focus: Return opens the groups-or-bracket chooser.
xdotool windowactivate --sync "$menu" >/dev/null 2>&1 || xdotool windowfocus --sync "$menu"
xdotool key --clearmodifiers Return
chooser=$(wait_for_window 30 "Grupos y Llave") || fail "Return on the main menu opened no chooser"
check_titles "$chooser" "$chooser_title"
echo "chooser opened by keyboard"

# Alt+F4: the window manager asks the chooser to close, as its close box would.
xdotool windowactivate --sync "$chooser" >/dev/null 2>&1 || xdotool windowfocus --sync "$chooser"
xdotool key --clearmodifiers alt+F4
wait_until_gone 30 "Grupos y Llave" || fail "the chooser did not close on Alt+F4"
xdotool search --onlyvisible --name "Pantalla de Inicio" >/dev/null 2>&1 || fail "the main menu went with the chooser"
echo "chooser closed by keyboard"

# Closing the main menu ends the program.
xdotool windowactivate --sync "$menu" >/dev/null 2>&1 || xdotool windowfocus --sync "$menu"
xdotool key --clearmodifiers alt+F4
tries=300
while kill -0 "$pid" 2>/dev/null; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the program was still running 30 s after its main menu was closed"
    sleep 0.1
done
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status (log: $(cat "$work/log"))"
echo "program ended with the main menu"
