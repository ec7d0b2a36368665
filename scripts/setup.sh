#!/usr/bin/env bash
# Installs what building and testing the kit needs on Debian 12, when missing.
# wine32 (from the i386 architecture) is what lets Wine run the delivered
# 32-bit programs; the tests cannot run without it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(cmake ninja-build python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb xdotool
          imagemagick fonts-wine liblnk-utils googletest)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  step "adding the i386 architecture (for wine32)"
  $SUDO dpkg --add-architecture i386 || die "could not add the i386 architecture, which wine32 needs"
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  step "installing: ${missing[*]}"
  $SUDO apt-get update -q || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" \
    || die "could not install ${missing[*]}"
fi
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' \
  || die "wine32 (i386) is not installed: without it Wine cannot run the delivered 32-bit programs"
[ -f /usr/src/googletest/CMakeLists.txt ] || die "GoogleTest source missing in /usr/src/googletest"
