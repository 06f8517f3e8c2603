#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks its files and dependencies;
# skipped (77) without dpkg-dev.
set -euo pipefail
build=$1
id=io.github.kestrova.Kestrova
command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-shlibdeps missing (dpkg-dev)"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(echo "$out"/kestrova_*.deb)
[ -f "$deb" ] || fail "no package built"

contents=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
for entry in \
    "./usr/bin/kestrova -> ../lib/kestrova/kestrova" \
    "./usr/bin/kestrova-tool -> ../lib/kestrova/kestrova-tool" \
    ./usr/lib/kestrova/kestrova ./usr/lib/kestrova/kestrova-tool \
    ./usr/lib/kestrova/UMA1.dat ./usr/lib/kestrova/UMA2.dat ./usr/lib/kestrova/UMA3.dat \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/16x16/apps/$id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png"; do
  grep -qxF "$entry" <<<"$contents" || fail "package lacks $entry"
done
dpkg-deb -c "$deb" | awk '$2 != "root/root" { exit 1 }' || fail "package files not owned by root"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed -E 's/^ +//; s/ .*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 fonts-ipafont-gothic qt6-qpa-plugins; do
  grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-image-formats-plugins ] || fail "Recommends is not qt6-image-formats-plugins"
