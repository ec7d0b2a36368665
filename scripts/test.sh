#!/usr/bin/env bash
# Runs every test: builds the x86_64 programs and tests, makes the private
# headless Wine prefix and runs ctest there. Also checks that the delivered
# i686 programs build and import only Windows system DLLs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/check-imports.sh" "$BUILD/i686"
"$ROOT/scripts/build.sh" x86_64
"$ROOT/scripts/wine-prefix.sh" "$BUILD/wine" null

step "running the tests under Wine"
cd "$BUILD/x86_64"
ctest --output-on-failure -j2 "$@"
