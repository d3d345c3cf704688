#!/bin/sh
# The private X session never borrows a display that another server holds, even one
# whose lock file and socket file are out of sight (a server in another container
# sharing this network keeps only its abstract socket in view). Such a server is made
# here by hiding the files of the outer session's own server; the inner session must
# then come up on a display of its own, with its own window manager.
#   xsession_selftest.sh            (run inside tests/x11/xsession.sh)
set -u
here=$(dirname "$0")
outer=${DISPLAY#:}
rm -f "/tmp/.X$outer-lock" "/tmp/.X11-unix/X$outer"

inner=$(sh "$here/xsession.sh" "$outer" sh -c 'echo "${DISPLAY#:}"; xprop -root _NET_SUPPORTING_WM_CHECK') \
    || { echo "FAIL: the inner session did not start: $inner"; exit 1; }
num=$(echo "$inner" | head -n 1)
[ "$num" != "$outer" ] || { echo "FAIL: the inner session took display :$outer, held by another server"; exit 1; }
echo "$inner" | grep -q 'window id' || { echo "FAIL: no window manager in the inner session: $inner"; exit 1; }
# The outer server and its window manager are untouched.
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
    || { echo "FAIL: the outer session lost its window manager"; exit 1; }
echo "inner session on :$num, outer on :$outer"
