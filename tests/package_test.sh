#!/usr/bin/env bash
# The Debian package unpacked into a scratch root: lintian finds nothing to fault, it holds everything
# a desktop user installs, its software-centre description validates, and its rendaro-cli plays a
# short game from there.
#
# Usage: package_test.sh rendaro_VERSION_amd64.deb
set -euo pipefail
if [[ $# -ne 1 ]]; then
    echo "usage: $0 PACKAGE.deb" >&2
    exit 2
fi
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
package=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"

# Errors and warnings fail; the overrides, each with its reason, live in the package.
lintian --fail-on error,warning "$package" || fail "lintian faults the package"

for file in games/rendaro games/rendaro-cli games/rendaro-sim share/rendaro/rendaro.html \
    share/applications/rendaro.desktop share/metainfo/net.calverin.rendaro.metainfo.xml \
    share/man/man6/{rendaro,rendaro-cli,rendaro-sim}.6.gz share/doc/rendaro/{copyright,changelog.gz} \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/rendaro.png; do
    [[ -s $root/usr/$file ]] || fail "the package lacks /usr/$file"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/net.calverin.rendaro.metainfo.xml" >/dev/null ||
    fail "the metainfo file does not validate"
dpkg-deb -f "$package" Depends | grep -q 'libsdl2' || fail "no dependency on SDL: $(dpkg-deb -f "$package" Depends)"

# A few taps of play: Roll, then red's first token; the saved game is what the program reports.
game=$(printf '%s\n' "roll 3 1 1" "tap 220 250" "tap 93 216" dump | "$root/usr/games/rendaro-cli" --dir "$root/game")
[[ $game == "record "* && $(xxd -p -c 248 "$root/game/rendart") == "${game#record }" ]] ||
    fail "the packaged rendaro-cli did not play and save a game: $game"
echo "package: $(du -k "$package" | cut -f1) KiB, $(dpkg-deb -c "$package" | grep -vc '/$') files"
