#!/usr/bin/env bash
# Builds the plug-in and installs it for the current user.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j"$(nproc)" --target Dravlen2Lite_VST3 Dravlen2Lite_LV2 Dravlen2Lite_Standalone

artefacts="$build/Dravlen2Lite_artefacts/Release"
vst3_dir="$HOME/.vst3"
lv2_dir="$HOME/.lv2"
mkdir -p "$vst3_dir" "$lv2_dir"
rm -rf "$vst3_dir/Dravlen2Lite.vst3" "$lv2_dir/Dravlen2Lite.lv2"
cp -R "$artefacts/VST3/Dravlen2Lite.vst3" "$vst3_dir/"
cp -R "$artefacts/LV2/Dravlen2Lite.lv2" "$lv2_dir/"

scripts/install-presets.sh

echo "VST3 installed:       $vst3_dir/Dravlen2Lite.vst3"
echo "LV2 installed:        $lv2_dir/Dravlen2Lite.lv2"
echo "Standalone app:       $artefacts/Standalone/Dravlen2Lite"
