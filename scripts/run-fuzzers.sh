#!/usr/bin/env bash
# Runs every libFuzzer target of a sanitizer build for a while each; the
# seeds in fuzz/corpus/<target>/ start each run.
set -euo pipefail
build=${1:-build-asan}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/fuzz/*_fuzz)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz"; exit 1; }
for target in "${targets[@]}"; do
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=("$root/fuzz/corpus/$name")
  [ -d "${seeds[0]}" ] || seeds=()
  echo "== $name for ${seconds}s"
  DBUS_SESSION_BUS_ADDRESS=disabled: "$target" -max_total_time="$seconds" \
    -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work" "${seeds[@]}" 2>&1 | tail -n 12
  rm -rf "$work"
done
