#!/usr/bin/env bash
# Runs every benchmark of a bench build; each prints its ratios at the end.
set -euo pipefail
build="${1:-build/bench}"
"$build/bench/directory_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/promptsweep_bench" --samples 5
"$build/bench/override_apply_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/decode_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/canvas_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/command_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/group_move_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/bench/scfcheck_bench" --samples 5
"$build/bench/report_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
