#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need. Quick when they are there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    juce-modules-source
    libflac-dev libvorbis-dev libogg-dev libpng-dev libjpeg-dev zlib1g-dev
    libfreetype-dev libfontconfig1-dev libasound2-dev
    libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core fonts-roboto-unhinted
    xvfb xauth x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
