#!/usr/bin/env bash
# Every test name must say what it tests and stay the same from build to
# build: a parameterised suite without a name generator gets names made of
# object bytes ("16-byte object <00-77 …>"), which hold heap addresses.
set -euo pipefail
preset=${1:-test}
names=$(ctest --preset "$preset" -N)
if grep -- "-byte object" <<<"$names"; then
  echo "check-test-names: these tests are named by object bytes; give their suite a name generator" >&2
  exit 1
fi
echo "check-test-names: $(grep -c '^  Test *#' <<<"$names") test names read"
