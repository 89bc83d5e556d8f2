#!/usr/bin/env bash
# Records the demos the title menu plays (demos/demo-N.vxr) again: the pilot
# plays each game with this build, under Xvfb. A change to play makes the
# demos play otherwise, which the demos.* tests catch; this puts them right.
#   scripts/record-demos.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target demo_recorder vantorix_media
cd "$build"
export ALSOFT_DRIVERS=null
# Demo number and the pilot's first seed; each lasts a minute and a half.
for demo in 1:1 2:20; do
    xvfb-run -a -s "-screen 0 1024x768x24" ./tools/demo_recorder \
        "$root/demos/demo-${demo%%:*}.vxr" --seconds 90 --seed "${demo##*:}" > /dev/null
done
