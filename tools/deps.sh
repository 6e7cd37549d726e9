#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when nothing is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ make git zlib1g-dev locales
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick
)
# A node from elsewhere (NodeSource) brings its own npm, which Debian's npm package conflicts with.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
