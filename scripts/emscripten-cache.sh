#!/usr/bin/env bash
# Gives the web build a cache of its own for emscripten: a tree of links to Debian's prebuilt libraries,
# which the build may add to (locks, any library Debian did not build) where the system's is read-only.
# Usage: emscripten-cache.sh FOLDER
set -euo pipefail
cache=$1
[ -e "$cache/sysroot_install.stamp" ] && exit 0
system=$(env -u EM_CACHE em-config CACHE)
mkdir -p "$cache"
cp -rs "$(realpath "$system")/." "$cache/"
rm -f "$cache/cache.lock"
