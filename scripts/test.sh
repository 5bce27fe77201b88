#!/usr/bin/env bash
# Sets up, builds, and runs the whole test suite. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

build_dir=${CRENZEL_BUILD_DIR:-build}
# The plug-in bundle must be a valid LV2 bundle with our URI.
uri=$(grep -m1 -o 'https://[^>]*' "$build_dir/Crenzel_artefacts/Release/LV2/Crenzel.lv2/manifest.ttl")
if ! LV2_PATH="$PWD/$build_dir/Crenzel_artefacts/Release/LV2" lv2ls | grep -qx "$uri"; then
    echo "lv2ls does not list $uri" >&2
    exit 1
fi
ctest --test-dir "$build_dir" --output-on-failure -j 2 "$@"
