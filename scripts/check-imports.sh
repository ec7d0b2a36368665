#!/usr/bin/env bash
# Fails when a delivered program imports anything but Windows system DLLs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build="${1:?usage: check-imports.sh BUILD_DIR}"
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|OLEAUT32|COMCTL32|SHLWAPI|msvcrt)\.dll$'
step "checking imports of the delivered programs"
for exe in $(find "$build" -maxdepth 2 \( -name Install.exe -o -name UnInstall.exe \)); do
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
  for dll in $dlls; do
    echo "$dll" | grep -qiE "$allowed" || die "$(basename "$exe") imports $dll"
  done
  echo "$(basename "$exe"): $(echo $dlls | tr ' ' ,) ($(stat -c %s "$exe") bytes)"
done
