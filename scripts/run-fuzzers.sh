#!/usr/bin/env bash
# Runs every libFuzzer target of a sanitizer build for a while each; the
# seeds in fuzz/corpus/<target>/ start each run (the help pages' target also
# starts from the shipped pages in data/help). A finding fails the run and
# shows the fuzzer's whole report.
set -uo pipefail
build=${1:-build-asan}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/fuzz/*_fuzz)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz"; exit 1; }
artifacts=$(mktemp -d)
failed=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  work=$(mktemp -d)
  log="$work.log"
  seeds=("$root/fuzz/corpus/$name")
  [ -d "${seeds[0]}" ] || seeds=()
  [ "$name" = help_pages_fuzz ] && seeds+=("$root/data/help")
  echo "== $name for ${seconds}s"
  if DBUS_SESSION_BUS_ADDRESS=disabled: "$target" -max_total_time="$seconds" \
       -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$artifacts/$name-" "$work" "${seeds[@]}" >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log"
  else
    failed=1
    echo "!! $name found a fault:"
    grep -v -E '^#[0-9]+' "$log" | tail -n 80
    for a in "$artifacts/$name-"*; do echo "input ($a):"; xxd "$a" | head -n 20; done
  fi
  rm -rf "$work" "$log"
done
rm -rf "$artifacts"
exit "$failed"
