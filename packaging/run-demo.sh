#!/usr/bin/env bash
# Opens the bundled demo program in the customiser's window. Without a
# display there is no window to show, so the demo's screens are drawn into
# pictures instead and the script says where they went.
set -euo pipefail

build=${1:-build/release}
tessellar=$build/tessellar/app/tessellar
program=$build/samples/demo.op6
overrides=$build/samples/demo.scf

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$tessellar" "$program" -m "$overrides"
fi

pictures=$build/demo-screens
echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window cannot open."
echo "Drawing the demo's screens with its override file into pictures instead."
mkdir -p "$pictures"
"$tessellar" --render "$program" --all "$pictures" --scf "$overrides"
echo "The demo's screens are pictures in $(cd "$pictures" && pwd)/"
