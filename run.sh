#!/usr/bin/env bash
# Installs what is missing, builds, and starts mp3_search.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec "${MP3_BUILD_DIR:-build}/mp3_search" "$@"
