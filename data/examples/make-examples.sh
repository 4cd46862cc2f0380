#!/usr/bin/env bash
# Rebuilds the example documents with vgraph-cli new.
# Usage: data/examples/make-examples.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cli="${1:-$root/build}/bin/vgraph-cli"
out="$root/data/examples"

"$cli" new "$out/example.vgr" \
  --add YFromX "SIN(X)*3" \
  --add Polar "2+COS(3A)" \
  --add Param "8COS(T);8SIN(2T)" \
  --add Equation "X^2/36+Y^2/16-1" --relation "<0" \
  --add DifField "X-Y" \
  --add XFromY "Y^2/4-9" \
  --add Table "-8,-6;-6,-2;-3,-5;0,-1;3,-4;6,-2;8,-7"
"$cli" new "$out/functions.vgr" \
  --add YFromX "X^2/4-5" \
  --add YFromX "1/X" \
  --add YFromX "SQRT(X)*2" \
  --add XFromY "SIN(Y)*4"
"$cli" new "$out/curves.vgr" \
  --add Polar "A" \
  --add Param "6COS(0.3PI*T);6SIN(0.5PI*T)"
"$cli" new "$out/equations.vgr" \
  --add Equation "X^2+Y^2-25" \
  --add Equation "Y-SIN(X)*X" --relation ">0" \
  --add Equation "SIN(X)*SIN(Y)-0.2" --relation "=0"
"$cli" new "$out/slope_field.vgr" \
  --add DifField "X*Y/10" \
  --add Table "-9,-9;-5,2;0,0;4,6;9,1"
