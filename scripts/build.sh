#!/usr/bin/env bash
# Configures and builds every target into build/ (or $CRENZEL_BUILD_DIR). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${CRENZEL_BUILD_DIR:-build}
jobs=${CRENZEL_JOBS:-2}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
# Paths relative to the checkout, so that clones and work trees share cache hits.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
# Builds with debug information (the sanitizer ones) would otherwise key on the build folder's path.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${CRENZEL_BUILD_TYPE:-Release} "$@"
cmake --build "$build_dir" -j "$jobs"
