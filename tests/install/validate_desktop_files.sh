#!/usr/bin/env bash
# The metainfo shows the screenshots of the repository's docs folder; the desktop entry and the
# metainfo pass their validators, skipped (77) when the validators are not installed.
set -euo pipefail
project=$1
id=io.github.kestrova.Kestrova
metainfo=$project/desktop/$id.metainfo.xml
fail() { echo "FAIL: $*"; exit 1; }

shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed -E 's#<image>.*/main/(docs/[^<]*)</image>#\1#')
[ -n "$shots" ] || fail "no screenshots"
for shot in $shots; do
  [ -f "$project/$shot" ] || fail "screenshot $shot is not in the repository"
done

command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
  echo "desktop-file-validate or appstreamcli missing (desktop-file-utils, appstream)"; exit 77; }
desktop-file-validate "$project/desktop/$id.desktop"
appstreamcli validate --no-net "$metainfo"
