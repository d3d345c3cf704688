#!/bin/sh
# Checks the Debian package that `make package` built the way a user meets it: its
# contents and control fields, lintian, an installation with apt-get, a start of the
# installed program on a private X display, and a removal that leaves none of its
# files behind.
#   check-package.sh [BUILD_DIR]
# The package is installed and removed system-wide (as root, or through sudo). A
# torvelo that is already installed is never touched: the check refuses to run.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
display=95

[ "$(id -u)" -eq 0 ] && SUDO="" || SUDO="sudo"
fail() { echo "check-package: $*" >&2; exit 1; }
step() { echo "== $* ($(($(date +%s) - started)) s)"; }
started=$(date +%s)

sh tools/install-deps.sh check

set -- "$build"/torvelo_*_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected exactly one torvelo_*.deb in $build (run make package)"
deb=$(realpath "$1")
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "torvelo_${version}_${arch}.deb" ] || fail "unexpected file name $(basename "$deb")"

if dpkg-query -W -f='${Status}' torvelo 2>/dev/null | grep -q 'ok installed'; then
    fail "torvelo is already installed on this machine; remove it first (apt-get remove torvelo)"
fi

tmp=$(mktemp -d)
installed=""
cleanup() {
    status=$?
    if [ -n "$installed" ] && dpkg-query -W -f='${Status}' torvelo 2>/dev/null | grep -q 'ok installed'; then
        echo "check-package: removing the torvelo installed by this check" >&2
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q torvelo >/dev/null 2>&1 || true
    fi
    rm -rf "$tmp"
    exit $status
}
trap cleanup EXIT
trap 'exit 1' INT TERM

step "contents of $(basename "$deb")"
app=ar.example.quelmar.Torvelo
cat > "$tmp/expected" <<EOF
./usr/bin/torvelo
./usr/share/applications/$app.desktop
./usr/share/doc/torvelo/changelog.gz
./usr/share/doc/torvelo/copyright
./usr/share/icons/hicolor/scalable/apps/$app.svg
./usr/share/man/man1/torvelo.1.gz
./usr/share/metainfo/$app.metainfo.xml
EOF
dpkg-deb -c "$deb" > "$tmp/listing"
# Files only (directories end in /), sorted: exactly the expected set, nothing stray.
awk '$NF !~ /\/$/ { print $NF }' "$tmp/listing" | sort > "$tmp/files"
diff -u "$tmp/expected" "$tmp/files" || fail "the package holds other files than expected"
awk '$2 != "root/root" { bad = 1; print } END { exit bad }' "$tmp/listing" || fail "files not owned by root"
awk '$NF ~ /\/$/ && $1 != "drwxr-xr-x" { bad = 1; print } END { exit bad }' "$tmp/listing" \
    || fail "directories not 0755"

# Control fields, and the one version in every place that carries it.
for field in Section Priority Depends Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field field"
done
[ "$(dpkg-deb -f "$deb" Section)" = misc ] || fail "section is not misc"
[ "$(dpkg-deb -f "$deb" Priority)" = optional ] || fail "priority is not optional"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    echo "$depends" | grep -q "\b$lib\b" || fail "Depends lacks $lib: $depends"
done
mkdir "$tmp/root"
dpkg-deb -x "$deb" "$tmp/root"
grep -q "<release version=\"$version\"" "$tmp/root/usr/share/metainfo/$app.metainfo.xml" \
    || fail "the AppStream release is not $version"
zcat "$tmp/root/usr/share/doc/torvelo/changelog.gz" | head -1 | grep -q "^torvelo ($version)" \
    || fail "the changelog does not start with $version"
zcat "$tmp/root/usr/share/man/man1/torvelo.1.gz" | grep -q "Torvelo $version" || fail "the manual page is not $version"
grep -aq "$version" "$tmp/root/usr/bin/torvelo" || fail "the program does not carry $version"
file "$tmp/root/usr/bin/torvelo" | grep -q ', stripped' || fail "the program is not stripped"

step "lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" > "$tmp/lintian" 2>&1 || lint=$?
sed 's/^/    /' "$tmp/lintian"
[ "${lint:-0}" -eq 0 ] || fail "lintian reports errors"

step "apt-get install"
installed=yes
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" > "$tmp/apt" 2>&1 \
    || { cat "$tmp/apt"; fail "apt-get install failed"; }
dpkg -L torvelo > "$tmp/installed"
echo "    dpkg -L torvelo:"
sed 's/^/      /' "$tmp/installed"
while read -r f; do
    [ -f "/${f#./}" ] || fail "/${f#./} was not installed"
done < "$tmp/expected"
[ "$(command -v torvelo)" = /usr/bin/torvelo ] || fail "torvelo is not /usr/bin/torvelo on the PATH"
desktop-file-validate "/usr/share/applications/$app.desktop" || fail "the installed desktop entry is invalid"
appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$app.metainfo.xml" >/dev/null \
    || fail "the installed AppStream metadata is invalid"
icon=$(sed -n 's/^Icon=//p' "/usr/share/applications/$app.desktop")
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu icon $icon is not installed"

step "start of the installed program on display :$display"
# A fresh user: nothing of the real one (settings, saved scores) is read or written.
mkdir -m 700 "$tmp/home" "$tmp/run"
HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/data" XDG_CONFIG_HOME="$tmp/home/config" \
    XDG_CACHE_HOME="$tmp/home/cache" XDG_RUNTIME_DIR="$tmp/run" \
    sh tests/x11/xsession.sh "$display" sh tools/smoke-start.sh /usr/bin/torvelo "$tmp/smoke.log" \
    || { sed 's/^/    /' "$tmp/smoke.log" 2>/dev/null; fail "the installed program did not start and close cleanly"; }
sed 's/^/    /' "$tmp/smoke.log"

step "apt-get remove"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q torvelo > "$tmp/apt" 2>&1 \
    || { cat "$tmp/apt"; fail "apt-get remove failed"; }
installed=""
if dpkg-query -W -f='${Status}\n' torvelo 2>/dev/null | grep -qv 'not-installed'; then
    fail "torvelo is still known to dpkg: $(dpkg-query -W -f='${Status}' torvelo)"
fi
# Every file the package installed is gone. A directory may stay when another package
# owns it too, or when it still holds what others put there (dpkg removes only empty
# ones); an empty one that nobody owns is a leftover.
left=0
while read -r path; do
    [ "$path" = "/." ] && continue
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 && continue
        if [ -z "$(ls -A "$path")" ]; then echo "left behind: $path/"; left=1; fi
    elif [ -e "$path" ] || [ -L "$path" ]; then
        echo "left behind: $path"; left=1
    fi
done < "$tmp/installed"
[ $left -eq 0 ] || fail "the removal left files behind"

step "package check passed"
