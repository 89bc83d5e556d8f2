#!/usr/bin/env bash
# Builds the Debian package from a finished build, installs it as a user would
# (apt-get install ./vantorix_*.deb), starts the installed `vantorix` from an
# unrelated folder under a private X server and checks that every media file
# loads; then removes the package and checks that nothing of it is left.
#
#   scripts/package-check.sh [build folder]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! sudo -n true 2>/dev/null; then
        echo "package check skipped: installing a package needs root or password-less sudo" >&2
        exit 0
    fi
    as_root=(sudo)
fi

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=$(ls "$build"/package/vantorix_*.deb)
echo "package: $(basename "$deb"), $(dpkg-deb -f "$deb" Depends)"

# A copy installed before this check is put back afterwards.
previous=$(dpkg-query -W -f='${Status}' vantorix 2>/dev/null || true)
uninstall() {
    if [[ "$previous" == "install ok installed" ]]; then
        return
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantorix >/dev/null
    for left in /usr/bin/vantorix /usr/libexec/vantorix /usr/share/vantorix \
        /usr/share/applications/vantorix.desktop; do
        if [[ -e "$left" ]]; then
            echo "package check: $left is still there after removing the package" >&2
            exit 1
        fi
    done
}
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --reinstall --no-install-recommends "$deb" >/dev/null
trap uninstall EXIT

for installed in /usr/bin/vantorix /usr/libexec/vantorix/vantorix \
    /usr/share/vantorix/Media/Textures/playerShip.png /usr/share/applications/vantorix.desktop \
    /usr/share/icons/hicolor/64x64/apps/vantorix.png; do
    dpkg -L vantorix | grep -qx "$installed" || {
        echo "package check: the package does not install $installed" >&2
        exit 1
    }
done
[[ "$(command -v vantorix)" == /usr/bin/vantorix ]]

/usr/bin/python3 "$root/tests/e2e/reliability.py" InstalledGameLoadsEveryFileFromAnyFolder \
    --game /usr/bin/vantorix --media "$build/Media" --artifacts "$build/e2e-artifacts"
