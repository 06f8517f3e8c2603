#!/usr/bin/env bash
# Builds everything twice, warnings as errors and with address and undefined-behaviour
# sanitizers, and runs every test in both builds, headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
  local name=$1; shift
  local build="$root/build/$name"
  cmake -S "$root" -B "$build" -G Ninja -DKESTROVA_WERROR=ON "$@" >/dev/null
  ninja -C "$build"
  ctest --test-dir "$build" --output-on-failure -j2
}

run_suite checked -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite sanitized -DCMAKE_BUILD_TYPE=Debug -DKESTROVA_SANITIZE=ON -DKESTROVA_BENCH=OFF
