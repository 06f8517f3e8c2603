#!/usr/bin/env bash
# Installs a built tree into a scratch root and checks that the installed game and tool find
# their stud book in their own folder and that the desktop files and icons are in place.
set -euo pipefail
build=$1
id=io.github.kestrova.Kestrova
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

for file in kestrova kestrova-tool UMA1.dat UMA2.dat UMA3.dat; do
  [ -f "$usr/lib/kestrova/$file" ] || fail "lib/kestrova/$file missing"
done
for program in kestrova kestrova-tool; do
  [ "$(readlink "$usr/bin/$program")" = "../lib/kestrova/$program" ] || fail "bin/$program is not a link into lib/kestrova"
done

# Run from elsewhere, through the command on the PATH: only the program's own folder holds the stud book.
cd "$root"
PATH=$usr/bin:$PATH kestrova-tool studbook stats >/dev/null || fail "the installed tool does not find its stud book"
status=0
QT_QPA_PLATFORM=offscreen PATH=$usr/bin:$PATH timeout 2 kestrova || status=$?
[ "$status" -eq 124 ] || fail "the installed game ended with status $status instead of running"

[ -f "$usr/share/applications/$id.desktop" ] || fail "desktop entry missing"
[ -f "$usr/share/metainfo/$id.metainfo.xml" ] || fail "metainfo missing"
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"
for size in 16 22 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size x $size PNG"
done

# The metainfo, its desktop entry and its icon, as installed, belong together.
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
fi
