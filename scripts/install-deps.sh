#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need, if any are missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev libjpeg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    dpkg-dev file desktop-file-utils appstream lintian groff-base man-db
    dbus-daemon python3-dbus python3-gi genisoimage fuseiso fuse python3-fusepy
    xvfb xauth xdg-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
