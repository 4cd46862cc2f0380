#!/usr/bin/env bash
# Runs every benchmark program of a benchmark build.
set -euo pipefail
build=${1:-build-bench}
shopt -s nullglob
for b in "$build"/bench/*_bench; do
  echo "== $(basename "$b")"
  # Colours only on a terminal: logs stay plain text.
  "$b" --benchmark_min_time=0.2 --benchmark_color=auto
done
