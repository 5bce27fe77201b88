#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config git clang-format
    juce-modules-source libconcurrentqueue-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libflac-dev libvorbis-dev libogg-dev zlib1g-dev libpng-dev libjpeg-dev
    libfreetype-dev libfontconfig1-dev libasound2-dev libcurl4-openssl-dev
    libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev libgl-dev
    lv2-dev lilv-utils sordi
    # Reliability checks: sanitizers and fuzzing with clang, callgrind, the realtime sanitizer runtime.
    clang-14 libclang-rt-14-dev valgrind libclang-rt-19-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
