#!/usr/bin/env bash
# Installs the Debian packages that building and testing rv17 need. Safe to run
# again: packages already present are left as they are.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xdotool x11-utils fonts-ipafont-gothic imagemagick
  e2fsprogs mount
  librsvg2-bin libxml2-utils libboost-dev time
  g++-i686-linux-gnu qemu-user
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
