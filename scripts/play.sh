#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTROVA_TESTS=OFF -DKESTROVA_BENCH=OFF >/dev/null
ninja -C "$root/build/release" kestrova
exec "$root/build/release/bin/kestrova"
