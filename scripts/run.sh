#!/usr/bin/env bash
# Starts VGraph on the example document; without a display, says so and
# shows what the engine does through vgraph-cli instead.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
example="$root/data/examples/example.vgr"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  args=()
  [ -f "$example" ] && args+=("$example")
  exec "$build/bin/VGraph" "${args[@]}"
fi
echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): VGraph needs one."
echo "Here is vgraph-cli, the headless companion, evaluating a few formulas:"
cli="$build/bin/vgraph-cli"
demo() { printf '  %-32s -> ' "$*"; "$cli" "$@" 2>&1 || true; }
demo eval "2+3*4"
demo eval "SIN(PI/6)"
demo eval "X^2-3X+2" X=5
demo eval "SQRT(X^2+Y^2)" X=3 Y=4
demo eval "LN(X)" X=-1
demo check-formula "2*(X+1"
