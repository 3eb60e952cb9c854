#!/usr/bin/env bash
# Runs a command while the machine is overloaded: three busy processes for
# every core, started here and ended when the command ends (or after an hour
# at most, should this script itself be killed). A test that only passes on
# a fast, idle machine fails here before a user meets it.
#   scripts/under-load.sh ctest --preset test -L window
set -euo pipefail

busy_per_core=3
cores=$(nproc)
loads=()
stop_loads() {
  for pid in "${loads[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait "${loads[@]}" 2>/dev/null || true
}
trap stop_loads EXIT
for ((i = 0; i < busy_per_core * cores; i++)); do
  timeout 3600 bash -c 'while :; do :; done' &
  loads+=($!)
done
echo "under-load: ${#loads[@]} busy processes on ${cores} cores"
"$@"
