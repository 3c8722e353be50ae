#!/bin/sh
# Builds the artwork generator under /tmp, redraws every picture into resources/ and checks them.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ARTWORK_BUILD_DIR:-/tmp/mp3_search-artwork-build}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --parallel
QT_QPA_PLATFORM=offscreen "$build/generate_artwork" "$root/resources"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure
