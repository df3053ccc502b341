#!/usr/bin/env bash
# Installs the Debian packages Orvia needs to build, run and test; only those
# that are missing, so a second run does nothing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config libedit-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libicu-dev
  libbenchmark-dev zlib1g-dev
  xvfb xauth imagemagick fonts-dejavu-core
  dpkg-dev file lintian desktop-file-utils appstream
  clang libclang-rt-14-dev
  wamerican
  neovim
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
