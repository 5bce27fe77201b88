#!/usr/bin/env bash
# The main job: set up, build, and install the plug-in into the user's plug-in folders.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

build_dir=${CRENZEL_BUILD_DIR:-build}
art="$build_dir/Crenzel_artefacts/Release"
vst3_dir="$HOME/.vst3"
lv2_dir="$HOME/.lv2"
mkdir -p "$vst3_dir" "$lv2_dir"
rm -rf "$vst3_dir/Crenzel.vst3" "$lv2_dir/Crenzel.lv2"
cp -r "$art/VST3/Crenzel.vst3" "$vst3_dir/"
cp -r "$art/LV2/Crenzel.lv2" "$lv2_dir/"

# The renderer and the factory presets go under the install prefix (/usr/local by default).
cmake --install "$build_dir" >/dev/null
prefix=$(grep -m1 '^CMAKE_INSTALL_PREFIX:' "$build_dir/CMakeCache.txt" | cut -d= -f2)

echo "Installed:"
echo "  VST3:       $vst3_dir/Crenzel.vst3"
echo "  LV2:        $lv2_dir/Crenzel.lv2"
echo "  Standalone: $PWD/$art/Standalone/Crenzel"
echo "  Renderer:   $prefix/bin/crenzel-render"
echo "  Presets:    $prefix/share/Audio/Presets/Zundor/Crenzel"
if command -v lv2ls >/dev/null; then
    echo "LV2 plug-ins found by lv2ls:"
    LV2_PATH="$lv2_dir" lv2ls | sed 's/^/  /'
fi

# A sound and a picture: the built-in demo loop through the default patch.
"$prefix/bin/crenzel-render" --plot crenzel-demo.png
echo "Wrote $PWD/crenzel-demo.wav and $PWD/crenzel-demo.png"
