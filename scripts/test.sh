#!/usr/bin/env bash
# Builds everything twice, warnings as errors and with address and undefined-behaviour
# sanitizers, and runs every test in both builds, headless; then builds the fuzz targets
# with clang and runs each for a minute, starting from the committed corpus.
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

# A crash leaves its input in build/fuzz/crashes and fails the run.
run_fuzzers() {
  local build="$root/build/fuzz"
  cmake -S "$root" -B "$build" -G Ninja -DKESTROVA_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKESTROVA_FUZZ=ON -DKESTROVA_TESTS=OFF -DKESTROVA_BENCH=OFF >/dev/null
  ninja -C "$build" fuzz_stud_book fuzz_picture_horse
  mkdir -p "$build/crashes"
  for target in stud_book picture_horse; do
    mkdir -p "$build/corpus/$target"
    "$build/bin/fuzz_$target" -max_total_time=60 -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" "$root/fuzz/corpus/$target" 2>"$build/$target.log" ||
      { tail -n 60 "$build/$target.log"; exit 1; }
    grep -E "^(Done|stat::number_of_executed_units)" "$build/$target.log" || true
  done
}

run_fuzzers
