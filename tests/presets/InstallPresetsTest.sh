#!/usr/bin/env bash
# Runs the factory preset installer against temporary home and data folders.
set -euo pipefail

repository="$1"
installer="$repository/scripts/install-presets.sh"
factory="$repository/resources/presets"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

factory_count=$(find "$factory" -maxdepth 1 -name '*.zlm2' | wc -l)
[ "$factory_count" -gt 0 ] || fail "no factory presets in $factory"

# With XDG_DATA_HOME set, the presets go below it, and a user's file of the same name stays.
data="$scratch/data"
target="$data/ZLM/presets/Dravlen2Lite"
mkdir -p "$target"
echo "my own edit" > "$target/Default.zlm2"
output=$(HOME="$scratch/home" XDG_DATA_HOME="$data" bash "$installer")
[ "$(cat "$target/Default.zlm2")" = "my own edit" ] || fail "the user's Default.zlm2 was overwritten"
[ "$(find "$target" -name '*.zlm2' | wc -l)" -eq "$factory_count" ] || fail "not every preset was copied"
cmp -s "$factory/Punchy Drums.zlm2" "$target/Punchy Drums.zlm2" || fail "a copied preset differs"
[[ "$output" == *"$target"* ]] || fail "the output does not say where the presets went: $output"
[ ! -e "$scratch/home" ] || fail "the home folder was touched although XDG_DATA_HOME was set"

# A second run copies nothing and changes nothing.
output=$(HOME="$scratch/home" XDG_DATA_HOME="$data" bash "$installer")
[[ "$output" == *"0 copied"* ]] || fail "a second run copied again: $output"

# Empty, unset and relative XDG_DATA_HOME all fall back to ~/.local/share.
for setting in "XDG_DATA_HOME=" "-u XDG_DATA_HOME" "XDG_DATA_HOME=relative"; do
    home="$scratch/home-${setting//[^a-z]/}"
    (cd "$scratch" && env $setting HOME="$home" bash "$installer" > /dev/null)
    [ -f "$home/.local/share/ZLM/presets/Dravlen2Lite/Default.zlm2" ] || fail "no fallback to the home folder with $setting"
done
[ ! -e "$scratch/relative" ] || fail "a relative XDG_DATA_HOME was used"

echo "install-presets.sh: all checks passed"
