#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG sources (run after changing an
# SVG; needs rsvg-convert from librsvg2-bin). The build installs the results.
set -euo pipefail
cd "$(dirname "$0")"
for name in tessellar promptsweep_ui; do
  for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$name.svg" -o "hicolor/${size}x${size}/apps/$name.png"
  done
done
