#!/usr/bin/env bash
# Builds Vantorix (installing any missing Debian packages first) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" play
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target vantorix -j"$(nproc)"
cd "$root/build"
exec ./vantorix
