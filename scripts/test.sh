#!/usr/bin/env bash
# Runs every test, once against each build: the delivered i686 programs (the
# very files packed into dist/) and the x86_64 build of the same code, which
# shows what only 64 bits get wrong (pointer sizes, registry views, Program
# Files folders). The i686 test programs are built apart with the POSIX-
# thread compilers that GoogleTest needs, and start build/i686's programs.
# Arguments go to both ctest runs (for example -R registry).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/enable-32bit.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/check-imports.sh" "$BUILD/i686"
"$ROOT/scripts/dist.sh"
"$ROOT/scripts/build.sh" i686-tests
"$ROOT/scripts/build.sh" x86_64
"$ROOT/scripts/wine-prefix.sh" "$BUILD/wine" null

for arch in i686-tests x86_64; do
  step "running the tests under Wine ($arch)"
  (cd "$BUILD/$arch" && ctest --output-on-failure -j2 "$@") || die "tests failed ($arch)"
done
