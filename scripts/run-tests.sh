#!/usr/bin/env bash
# Runs every test through CTest; the CTest summary line is printed last.
set -uo pipefail
build=${1:-build}
log="$build/ctest.log"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
summary=$(grep -E 'tests passed|No tests were found' "$log" | tail -n 1)
[ -n "$summary" ] && echo "$summary"
exit "$status"
