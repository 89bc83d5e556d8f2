#!/usr/bin/env bash
# Installs the Debian packages Vantorix needs. "play" is enough to build and
# run the game; "test" adds what the test suites, benchmarks and tools use,
# and what scripts/package-check.sh builds and tests the Debian package with;
# "bench" adds the peer game the benchmarks hold the game against.
set -euo pipefail

play_packages=(build-essential cmake pkg-config libsfml-dev libopenal-dev libx11-dev libfreetype-dev fonts-3270
               fonts-dejavu-core gettext po4a)
test_packages=(googletest libgtest-dev libbenchmark-dev xvfb xauth x11-utils xdotool imagemagick
               sox python3 python3-xlib gnuplot-nox valgrind lintian appstream desktop-file-utils
               clang libclang-rt-14-dev
               dpkg-dev debhelper devscripts autopkgtest blhc git)
bench_packages=(chromium-bsu)

case "${1:-play}" in
play) wanted=("${play_packages[@]}") ;;
test) wanted=("${play_packages[@]}" "${test_packages[@]}") ;;
bench) wanted=("${play_packages[@]}" "${test_packages[@]}" "${bench_packages[@]}") ;;
*)
    echo "usage: $0 [play|test|bench]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
