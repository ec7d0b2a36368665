#!/usr/bin/env bash
# Builds one target: scripts/build.sh i686|i686-tests|x86_64
#   i686        the delivered 32-bit programs (Win32 thread model, no tests)
#   i686-tests  32-bit tests that start build/i686's programs
#   x86_64      the 64-bit programs and their tests
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

target="${1:?usage: build.sh i686|i686-tests|x86_64}"
case "$target" in
  i686) options=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-w64-mingw32.cmake") ;;
  i686-tests) options=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-w64-mingw32-posix.cmake"
                       -DTOLMIC_PROGRAMS_UNDER_TEST="$BUILD/i686") ;;
  x86_64) options=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-x86_64-w64-mingw32.cmake") ;;
  *) die "unknown target $target" ;;
esac
step "building $target"
cmake -S "$ROOT" -B "$BUILD/$target" -G Ninja "${options[@]}" >/dev/null || die "configuring the $target build failed"
cmake --build "$BUILD/$target" || die "the $target build failed"
