#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as a
# distribution would: lintian (no error, no warning), the AppStream metainfo
# and the desktop entry. Then installs it as a user would (apt-get install
# ./vantorix_*.deb), checks that the launcher hands its arguments to the game,
# starts the installed `vantorix` from an unrelated folder under a private X
# server and checks that every media file loads; then removes the package and
# checks that nothing of it is left.
#
#   scripts/package-check.sh [build folder]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

fail() {
    echo "package check: $*" >&2
    exit 1
}

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=$(ls "$build"/package/vantorix_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "package: $(basename "$deb"), $(dpkg-deb -f "$deb" Depends)"

# What a user and a distribution look for, as the archive lists it.
listing=$(dpkg-deb -c "$deb")
contents=$(awk '{ print $6 }' <<<"$listing")
for expected in ./usr/games/vantorix ./usr/libexec/vantorix/vantorix \
    ./usr/share/games/vantorix/Media/Textures/playerShip.png \
    ./usr/share/games/vantorix/Media/Fonts/Digital_tech.otf \
    ./usr/share/man/man6/vantorix.6.gz ./usr/share/applications/vantorix.desktop \
    ./usr/share/doc/vantorix/copyright ./usr/share/doc/vantorix/changelog.gz; do
    grep -qx -- "$expected" <<<"$contents" || fail "the package does not hold $expected"
done
metainfo=$(grep -E '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$contents") ||
    fail "the package has no AppStream metainfo"
metainfo=${metainfo#.}
# The font belongs to a Debian font package: linked, never copied.
grep -q '^l.* ./usr/share/games/vantorix/Media/Fonts/Digital_tech.otf -> ' <<<"$listing" ||
    fail "Media/Fonts/Digital_tech.otf is not a link to the font package's file"

lintian --fail-on error,warning --display-info --info "$deb" || fail "lintian found errors or warnings"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked$metainfo"
desktop-file-validate "$unpacked/usr/share/applications/vantorix.desktop"
echo "desktop entry: valid"
for size in 48 64 128 256; do
    icon="$unpacked/usr/share/icons/hicolor/${size}x$size/apps/vantorix.png"
    [[ -f "$icon" ]] || fail "the package has no $size px icon"
    [[ $(identify -format %wx%h "$icon") == "${size}x$size" ]] ||
        fail "the $size px icon measures $(identify -format %wx%h "$icon")"
done
rm -rf "$unpacked"
trap - EXIT

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! sudo -n true 2>/dev/null; then
        echo "package install check skipped: installing a package needs root or password-less sudo" >&2
        exit 0
    fi
    as_root=(sudo)
fi

# A copy installed before this check is put back afterwards.
previous=$(dpkg-query -W -f='${Status}' vantorix 2>/dev/null || true)
elsewhere=$(mktemp -d)
uninstall() {
    rm -rf "$elsewhere"
    if [[ "$previous" == "install ok installed" ]]; then
        return
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantorix >/dev/null
    for left in /usr/games/vantorix /usr/libexec/vantorix /usr/share/games/vantorix \
        /usr/share/applications/vantorix.desktop /usr/share/man/man6/vantorix.6.gz \
        "$metainfo" /usr/share/doc/vantorix /usr/share/icons/hicolor/48x48/apps/vantorix.png; do
        [[ ! -e "$left" && ! -L "$left" ]] || fail "$left is still there after removing the package"
    done
}
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --reinstall --no-install-recommends "$deb" >/dev/null
trap uninstall EXIT

[[ -f /usr/share/games/vantorix/Media/Fonts/Digital_tech.otf ]] ||
    fail "the font link points at nothing: $(readlink /usr/share/games/vantorix/Media/Fonts/Digital_tech.otf)"

# The launcher passes every argument through; none of these needs a display.
printed=$(cd "$elsewhere" && env -u DISPLAY /usr/games/vantorix --version) ||
    fail "the installed vantorix --version did not exit 0"
[[ "$printed" == "Vantorix $version" ]] ||
    fail "the installed vantorix --version printed \"$printed\", not \"Vantorix $version\""
checked=$(cd "$elsewhere" && env -u DISPLAY /usr/games/vantorix --check-media) ||
    fail "the installed vantorix --check-media did not exit 0: $checked"
grep -qx 'Media/Fonts/Digital_tech.otf SUCCESFULLY loaded!' <<<"$checked" ||
    fail "the installed game does not load its font through the link"
status=0
(cd "$elsewhere" && env -u DISPLAY /usr/games/vantorix --volume 150 >/dev/null 2>&1) || status=$?
[[ $status -eq 2 ]] || fail "the installed vantorix --volume 150 exited $status, not 2"
echo "launcher: passes its arguments to the game"

/usr/bin/python3 "$root/tests/e2e/reliability.py" InstalledGameLoadsEveryFileFromAnyFolder \
    --game /usr/games/vantorix --media "$build/Media" --artifacts "$build/e2e-artifacts"
