#!/usr/bin/env bash
# Builds the kit for one target: scripts/build.sh i686|x86_64
# i686 is the delivered 32-bit build; x86_64 adds the tests run under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

arch="${1:?usage: build.sh i686|x86_64}"
step "building $arch"
cmake -S "$ROOT" -B "$BUILD/$arch" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$arch-w64-mingw32.cmake" >/dev/null \
  || die "configuring the $arch build failed"
cmake --build "$BUILD/$arch" || die "the $arch build failed"
