#!/usr/bin/env bash
# Builds the kit and prints its benchmark figures (see scripts/bench.py).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/build.sh" x86_64
"$ROOT/scripts/wine-prefix.sh" "$BUILD/wine-bench" null  # bench.py selects it itself
step "benchmarks (machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(uname -m))"
python3 "$ROOT/scripts/bench.py"
