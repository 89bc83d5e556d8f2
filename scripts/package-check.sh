#!/usr/bin/env bash
# Builds the Debian package the way a distribution does and checks it:
#  - dpkg-buildpackage (source and binary) from a copy of the source tree in a
#    private scratch folder, since it writes its results beside the tree;
#  - lintian on the source and binary packages: no error, no warning;
#  - the package's contents, its AppStream metainfo, desktop entry and icons;
#  - the hardening flags on every compile line (blhc) and in the game
#    (hardening-check);
#  - a second build from another folder gives byte-identical .deb files;
#  - as root: the autopkgtests of debian/tests against the installed package
#    (autopkgtest's null virt server installs it here), then removes it again
#    unless it was installed before, and checks that nothing of it is left.
#
#   scripts/package-check.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

fail() {
    echo "package check: $*" >&2
    exit 1
}

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if sudo -n true 2>/dev/null; then
        as_root=(sudo)
    else
        as_root=(none)
    fi
fi
root_can() { [[ ${as_root[0]:-} != none ]]; }

for tool in dpkg-buildpackage dpkg-checkbuilddeps lintian blhc hardening-check autopkgtest \
    appstreamcli desktop-file-validate identify git; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh test"
done

# Build dependencies as debian/control lists them.
if ! (cd "$root" && dpkg-checkbuilddeps >/dev/null 2>&1); then
    root_can || fail "build dependencies missing ($(cd "$root" && dpkg-checkbuilddeps 2>&1 || true)); run as root or with password-less sudo"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get build-dep -y -qq --no-install-recommends "$root/" >/dev/null
fi

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
tree=vantorix-${version%%-*}
jobs=$(nproc)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-package.XXXXXX")
remove_package=false
cleanup() {
    local status=$?
    if $remove_package; then
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantorix >/dev/null
        for left in /usr/games/vantorix /usr/libexec/vantorix /usr/share/games/vantorix \
            /usr/share/applications/vantorix.desktop /usr/share/man/man6/vantorix.6.gz \
            "$metainfo" /usr/share/doc/vantorix /usr/share/icons/hicolor/48x48/apps/vantorix.png \
            /usr/share/locale/de/LC_MESSAGES/vantorix.mo /usr/share/man/de/man6/vantorix.6.gz; do
            if [[ -e "$left" || -L "$left" ]]; then
                echo "package check: $left is still there after removing the package" >&2
                status=1
            fi
        done
    fi
    if [[ $status -eq 0 ]]; then
        rm -rf "$scratch"
    else
        echo "package check: the builds, logs and test results are kept in $scratch" >&2
    fi
    exit $status
}
trap cleanup EXIT

# Copies the files git knows (tracked, or new and not ignored) into FOLDER/$tree
# and runs dpkg-buildpackage there with the given options.
build_in() {
    local folder=$1
    shift
    mkdir -p "$folder/$tree"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard) |
        while IFS= read -r -d '' file; do
            [[ -e "$root/$file" || -L "$root/$file" ]] && printf '%s\0' "$file"
        done | (cd "$root" && xargs -0 cp --parents -P --preserve=mode -t "$folder/$tree")
    local started=$SECONDS
    if ! (cd "$folder/$tree" && dpkg-buildpackage -us -uc -J"$jobs" "$@") >"$folder/build.log" 2>&1; then
        tail -n 40 "$folder/build.log" >&2
        fail "dpkg-buildpackage $* failed; the whole log is $folder/build.log"
    fi
    echo "built in $folder/$tree ($((SECONDS - started)) s)"
}

first=$scratch/first
build_in "$first"
changes=$first/vantorix_${version}_$arch.changes
deb=$first/vantorix_${version}_$arch.deb
[[ -f "$changes" && -f "$deb" ]] || fail "dpkg-buildpackage made no $(basename "$deb")"
echo "package: $(basename "$deb"), Depends: $(dpkg-deb -f "$deb" Depends)"

lintian --fail-on error,warning --display-info "$changes" || fail "lintian found errors or warnings"
echo "lintian: no error or warning on the source and binary packages"

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
# Every language's catalogue and manual page.
for language in $(grep -v '^#' "$root/po/LINGUAS"); do
    for expected in "./usr/share/locale/$language/LC_MESSAGES/vantorix.mo" \
        "./usr/share/man/$language/man6/vantorix.6.gz"; do
        grep -qx -- "$expected" <<<"$contents" || fail "the package does not hold $expected"
    done
done
metainfo=$(grep -E '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$contents") ||
    fail "the package has no AppStream metainfo"
metainfo=${metainfo#.}
# The font belongs to a Debian font package: linked, never copied.
grep -q '^l.* ./usr/share/games/vantorix/Media/Fonts/Digital_tech.otf -> ' <<<"$listing" ||
    fail "Media/Fonts/Digital_tech.otf is not a link to the font package's file"
grep -qw fonts-3270 <<<"$(dpkg-deb -f "$deb" Depends)" || fail "the package does not depend on fonts-3270"

unpacked=$scratch/unpacked
dpkg-deb -x "$deb" "$unpacked"
# Pedantic, and no warning or error: what the software centres' own checks ask.
# (Debian 12's appstream 0.16 does not know AppStream 1.0's <developer> yet and
# says so as an info.)
validation=$(appstreamcli validate --pedantic --no-net "$unpacked$metainfo" 2>&1) ||
    { echo "$validation"; fail "appstreamcli validate --pedantic failed"; }
echo "$validation"
! grep -q '^[EW]: ' <<<"$validation" || fail "appstreamcli validate --pedantic found errors or warnings"
desktop-file-validate "$unpacked/usr/share/applications/vantorix.desktop"
echo "desktop entry: valid"
for size in 48 64 128 256; do
    icon="$unpacked/usr/share/icons/hicolor/${size}x$size/apps/vantorix.png"
    [[ -f "$icon" ]] || fail "the package has no $size px icon"
    [[ $(identify -format %wx%h "$icon") == "${size}x$size" ]] ||
        fail "the $size px icon measures $(identify -format %wx%h "$icon")"
done

# Every compile and link line carries dpkg-buildflags' hardening flags.
blhc --all --debian "$first/build.log" || fail "blhc: compiler flags are missing from the build log"
echo "blhc: every compile and link line has the hardening flags"
# The game's own hardening: all five of dpkg-buildflags' features, fortified
# calls among them (blhc saw -D_FORTIFY_SOURCE=2 on every line). Control-flow
# protection is no part of Debian 12's flags.
echo "hardening-check /usr/libexec/vantorix/vantorix (in the package):"
report=$(hardening-check --verbose --nocfprotection "$unpacked/usr/libexec/vantorix/vantorix") ||
    { echo "$report"; fail "hardening-check found a feature missing"; }
echo "$report" | tail -n +2
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding"; do
    grep -q "^ $feature: yes" <<<"$report" || fail "hardening-check: $feature is not yes"
done

# The same tree built again from another folder (another path length too) and
# in another time zone must give the same bytes: dpkg-buildpackage takes
# SOURCE_DATE_EPOCH from debian/changelog, and dpkg-buildflags maps the build
# path out of the debug information.
second=$scratch/second-build-from-elsewhere
TZ=Etc/GMT-14 build_in "$second" -b
made() { (cd "$1" && ls -- *.deb); }
[[ "$(made "$first")" == "$(made "$second")" ]] ||
    fail "the two builds made different packages: $(made "$first" | tr '\n' ' ')/ $(made "$second" | tr '\n' ' ')"
for name in $(made "$first"); do
    if ! cmp "$first/$name" "$second/$name"; then
        diff <(dpkg-deb -c "$first/$name") <(dpkg-deb -c "$second/$name") >&2 || true
        diff <(dpkg-deb -I "$first/$name" md5sums) <(dpkg-deb -I "$second/$name" md5sums) >&2 || true
        fail "$name differs between two builds of the same tree"
    fi
    echo "reproducible: $name is the same in both builds ($(sha256sum "$first/$name" | cut -c1-16)…)"
done

if ! root_can; then
    echo "package install check skipped: installing a package needs root or password-less sudo" >&2
    exit 0
fi

# A copy installed before this check stays installed afterwards.
[[ $(dpkg-query -W -f='${Status}' vantorix 2>/dev/null || true) == "install ok installed" ]] ||
    remove_package=true

# autopkgtest installs the built package and the tests' dependencies, then runs
# debian/tests from the source package against what is installed.
tests=$scratch/autopkgtest
if ! "${as_root[@]}" autopkgtest --output-dir "$tests" "$changes" -- null >"$scratch/autopkgtest.log" 2>&1; then
    cat "$scratch/autopkgtest.log" >&2
    fail "the autopkgtests failed"
fi
sed 's/^/autopkgtest: /' "$tests/summary"
[[ $(dpkg-query -W -f='${Version}' vantorix) == "$version" ]] ||
    fail "autopkgtest did not leave vantorix $version installed"
