#!/usr/bin/env bash
# Configures and builds into $MP3_BUILD_DIR (default build/); MP3_SANITIZE=ON for ASan+UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${MP3_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${MP3_BUILD_TYPE:-RelWithDebInfo} \
    -DMP3_SANITIZE=${MP3_SANITIZE:-OFF} -DMP3_WERROR=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
