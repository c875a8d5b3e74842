#!/usr/bin/env bash
# Sets up, builds and runs every test headless; then again under the sanitizers, with the fuzz
# targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
scripts/sanitize.sh
