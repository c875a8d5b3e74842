#!/usr/bin/env bash
# Installs what a bare Debian 12 machine lacks to build and test Kestrin Oriastra, from Debian's
# packages only, then configures and builds. Packages already present are skipped, so a second run
# takes seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-l10n-tools
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-noto-core fonts-tibetan-machine
  xvfb xauth x11-utils poppler-utils
  clang libclang-rt-14-dev
)
# Other scripts add the tools they need (scripts/package.sh) and build elsewhere.
# shellcheck disable=SC2206 # a list of names, split on blanks
packages+=(${ORIASTRA_EXTRA_PACKAGES:-})
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

[ -z "${ORIASTRA_INSTALL_ONLY:-}" ] || exit 0

build=${BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"
