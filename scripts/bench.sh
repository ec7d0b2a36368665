#!/usr/bin/env bash
# Builds the kit and prints its benchmark figures (see scripts/bench.py).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
# The measured UnInstall.exe is the delivered 32-bit program: this lets it
# run where the kernel cannot run 32-bit programs itself.
"$ROOT/scripts/enable-32bit.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/build.sh" x86_64
# A wow64 prefix, by its absolute path; bench.py selects it itself.
"$ROOT/scripts/wine-prefix.sh" "$BUILD/wine-bench" null
step "benchmarks (machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(uname -m))"
python3 "$ROOT/scripts/bench.py"
