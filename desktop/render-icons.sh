#!/usr/bin/env bash
# Renders the hicolor PNG icons from the scalable one; run after editing the SVG and commit the PNGs.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
icons=$(cd "$(dirname "$0")/icons/hicolor" && pwd)
id=io.github.kestrova.Kestrova
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/$id.svg" -o "$icons/${size}x${size}/apps/$id.png"
done
