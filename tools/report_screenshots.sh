#!/usr/bin/env bash
# Writes the demo's review report and opens its index and the demo
# program's page (its first customised entries) in a real browser (headless Chromium), taking the pictures
# the README shows: docs/report-index.png and docs/report-entry.png.
# Not part of CI: a browser is heavy. Needs Debian's chromium
# (apt-get install -y chromium) and a build of tessellar.
#
#   tools/report_screenshots.sh [BUILD-DIRECTORY] [PICTURE-DIRECTORY]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/release}" && pwd)"
pictures="${2:-$root/docs}"
browser="$(command -v chromium || command -v chromium-browser || true)"
if [[ -z "$browser" ]]; then
    echo "report_screenshots: no chromium on the search path (apt-get install -y chromium)" >&2
    exit 1
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

QT_QPA_PLATFORM=offscreen "$build/tessellar/app/tessellar" --report "$scratch/report" \
    "$build/samples/demo.op6" --scf "$root/samples/demo.scf"

shoot() {  # PAGE WIDTH HEIGHT PICTURE
    # Chromium takes its own profile so that no desktop session is touched.
    "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run \
        --user-data-dir="$scratch/profile" --window-size="$2,$3" --screenshot="$4" "file://$scratch/report/$1" \
        2>"$scratch/browser.log" || { cat "$scratch/browser.log" >&2; exit 1; }
    echo "report_screenshots: $4"
}
shoot index.html 1100 900 "$pictures/report-index.png"
shoot 1-demo.html 1100 1200 "$pictures/report-entry.png"
