#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          libsdl2-dev libx11-dev libfreetype-dev libpng-dev fonts-wine xvfb xdotool evilwm xfonts-base xxd xdg-utils imagemagick
          appstream dpkg-dev file python3 lintian ccache
          emscripten node-acorn binaryen chromium chromium-driver python3-selenium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
