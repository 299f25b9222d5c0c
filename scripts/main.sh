#!/usr/bin/env bash
# Builds the plug-in, installs it and its factory presets for the current user, and renders the
# built-in demo through it (with a plot of input against output).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=${BUILD_DIR:-build}
render_dir=$(realpath -m "${RENDER_DIR:-render}")

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j"$(nproc)" --target Dravlen2Lite_VST3 Dravlen2Lite_LV2 Dravlen2Lite_Standalone dravlen2lite-render

artefacts="$build/Dravlen2Lite_artefacts/Release"
vst3_dir="$HOME/.vst3"
lv2_dir="$HOME/.lv2"
mkdir -p "$vst3_dir" "$lv2_dir"
rm -rf "$vst3_dir/Dravlen2Lite.vst3" "$lv2_dir/Dravlen2Lite.lv2"
cp -R "$artefacts/VST3/Dravlen2Lite.vst3" "$vst3_dir/"
cp -R "$artefacts/LV2/Dravlen2Lite.lv2" "$lv2_dir/"

scripts/install-presets.sh

mkdir -p "$render_dir"
"$build/cli/dravlen2lite-render" --demo --set transientsId=75 --set gainId=-2 \
    --write-input "$render_dir/demo-input.wav" --plot "$render_dir/demo.png" "$render_dir/demo.wav"

echo
echo "VST3 installed:       $vst3_dir/Dravlen2Lite.vst3"
echo "LV2 installed:        $lv2_dir/Dravlen2Lite.lv2"
echo "Standalone app:       $(realpath "$artefacts/Standalone/Dravlen2Lite")"
echo "Demo render:          $render_dir/demo.wav (input: demo-input.wav, plot: demo.png)"
echo "Renderer:             $(realpath "$build/cli/dravlen2lite-render") --help"
