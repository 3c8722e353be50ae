#!/usr/bin/env bash
# Checks that every C and C++ file is formatted as .clang-format says, with clang-format 14
# (Debian 12's): another version formats some constructs differently, so it is pinned here.
set -euo pipefail
cd "$(dirname "$0")/.."
format=clang-format-14
if ! command -v "$format" >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang-format-14
fi
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 "$format" --dry-run -Werror
echo "format: every file is formatted"
