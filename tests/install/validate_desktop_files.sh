#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators; skipped (77) without them.
set -euo pipefail
desktop=$1
id=io.github.kestrova.Kestrova
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
  echo "desktop-file-validate or appstreamcli missing (desktop-file-utils, appstream)"; exit 77; }
desktop-file-validate "$desktop/$id.desktop"
appstreamcli validate --no-net "$desktop/$id.metainfo.xml"
