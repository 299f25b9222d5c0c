#!/usr/bin/env bash
# Copies the factory presets into the user's preset folder. A preset the user already has under the
# same name is never overwritten: it may be their own edit of a factory preset.
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/.." && pwd)/resources/presets"

# The per-user data folder; an unset, empty or relative XDG_DATA_HOME means ~/.local/share.
data_home="${XDG_DATA_HOME:-}"
if [[ "$data_home" != /* ]]; then
    data_home="$HOME/.local/share"
fi
data_home="${data_home%/}"
preset_dir="$data_home/ZLM/presets/Dravlen2Lite"

mkdir -p "$preset_dir"

copied=0
kept=0
for preset in "$source_dir"/*.zlm2; do
    target="$preset_dir/$(basename "$preset")"
    if [ -e "$target" ] || [ -L "$target" ]; then
        kept=$((kept + 1))
    else
        cp -- "$preset" "$target"
        copied=$((copied + 1))
    fi
done

echo "Factory presets:      $preset_dir ($copied copied, $kept already there and kept)"
