#!/usr/bin/env bash
# Builds everything with Clang, AddressSanitizer and UndefinedBehaviorSanitizer in a second build
# folder (SANITIZE_BUILD_DIR, default build-sanitize), warnings as errors, runs the whole test
# suite there, then each fuzz target for FUZZ_SECONDS (default 15) on its corpus.
# scripts/setup.sh installs Clang.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD_DIR:-build-sanitize}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORIASTRA_FUZZ=ON -DORIASTRA_WERROR=ON -DORIASTRA_BENCH=OFF
fi
cmake --build "$build" -j "$(nproc)"
if ! command -v llvm-symbolizer >/dev/null && command -v addr2line >/dev/null; then
  export ASAN_SYMBOLIZER_PATH
  ASAN_SYMBOLIZER_PATH=$(command -v addr2line)
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
FUZZ_BUILD_DIR=$build scripts/fuzz.sh "${FUZZ_SECONDS:-15}"
