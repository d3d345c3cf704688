#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
#   install-deps.sh            what building and testing need
#   install-deps.sh package    and what `make package` needs (dpkg-shlibdeps, file)
#   install-deps.sh check      and what checking the package needs (lintian, wmctrl)
set -e
# The second line is what the tests under a real X server and through the
# accessibility bus need; the third reads the wallchart's PDF back.
PKGS="cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev iso-flags-svg fonts-liberation2 appstream desktop-file-utils
      xvfb openbox xdotool x11-utils dbus at-spi2-core python3-gi gir1.2-atspi-2.0
      poppler-utils"
case "${1:-}" in
    "") ;;
    package) PKGS="$PKGS dpkg-dev file" ;;
    check) PKGS="$PKGS dpkg-dev file lintian wmctrl" ;;
    *) echo "usage: $0 [package|check]" >&2; exit 2 ;;
esac
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends $missing
