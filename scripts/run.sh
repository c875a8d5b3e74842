#!/usr/bin/env bash
# Sets up, builds and starts Kestrin Oriastra.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/kestrin-oriastra"
