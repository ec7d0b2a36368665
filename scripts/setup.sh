#!/usr/bin/env bash
# Installs what building and testing the kit needs on Debian 12, when missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(cmake ninja-build python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
          imagemagick fonts-wine liblnk-utils googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  step "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" \
    || die "could not install ${missing[*]}"
fi
[ -f /usr/src/googletest/CMakeLists.txt ] || die "GoogleTest source missing in /usr/src/googletest"
