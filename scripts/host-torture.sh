#!/usr/bin/env bash
# Host torture of the built VST3 and LV2 bundles through JUCE's hosting classes (ctest
# HostTorture*), then 50 instance creations and deletions of each under valgrind's memcheck:
# any memory error or definite/indirect leak fails. Uses the release build in build/ (or
# $CRENZEL_BUILD_DIR), building it first if needed.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${CRENZEL_BUILD_DIR:-build}
CRENZEL_BUILD_DIR="$build_dir" bash scripts/build.sh >/dev/null
ctest --test-dir "$build_dir" -R '^HostTorture' --output-on-failure

bundles="$PWD/$build_dir/Crenzel_artefacts/Release"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# Never the real home: user data, settings and other installed bundles stay out.
export HOME="$home" XDG_DATA_HOME="$home/share" XDG_CONFIG_HOME="$home/config" \
    CRENZEL_USER_DATA_DIR="$home/share" CRENZEL_COMMON_DATA_DIR="$home/common" CRENZEL_CONFIG_DIR="$home/config"
memcheck=(valgrind --quiet --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect
          --errors-for-leak-kinds=definite,indirect --keep-debuginfo=yes --num-callers=30
          --gen-suppressions=all --suppressions="$PWD/.ci/host-torture.supp")
"${memcheck[@]}" "$build_dir/crenzel-hostcheck" torture VST3 "$bundles/VST3/Crenzel.vst3" --only=lifecycle
"${memcheck[@]}" "$build_dir/crenzel-hostcheck" torture LV2 https://zundor.audio/plugins/crenzel "$bundles/LV2" \
    --only=lifecycle
echo "host-torture: 2 passed, 0 failed"
