#!/usr/bin/env bash
# Runs the Standalone application under a virtual X server and saves a PNG screenshot of its window.
# Usage: scripts/screenshot.sh [output.png]   (default: <build>/screenshots/editor.png)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
output=$(realpath -m "${1:-$build/screenshots/editor.png}")

scripts/install-deps.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" --target Dravlen2Lite_Standalone -j"${JOBS:-2}"

binary=$(realpath "$build/Dravlen2Lite_artefacts/Release/Standalone/Dravlen2Lite")
mkdir -p "$(dirname "$output")"

# The application keeps its settings under HOME; give it a throw-away one.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash -s "$binary" "$output" <<'INNER'
set -euo pipefail
binary=$1
output=$2

"$binary" > "$HOME/standalone.log" 2>&1 &
app=$!
trap 'kill "$app" 2> /dev/null || true' EXIT

# Wait for the window to be mapped (at most about 30 seconds).
window=""
for _ in $(seq 1 60); do
    window=$(xwininfo -root -tree | awk '/"Dravlen 2 Lite"/ && /[0-9]+x[0-9]+/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.5
done

if [ -z "$window" ]; then
    echo "The Standalone window did not appear" >&2
    cat "$HOME/standalone.log" >&2
    exit 1
fi

# Let the editor's refresh run a few ticks before the picture is taken.
sleep 2
import -window "$window" "$output"
INNER

echo "Saved $output"
