#!/usr/bin/env bash
# Packs the delivered i686 programs into dist/tolmic2007-setup-kit.zip.
# Expects a finished i686 build (scripts/build.sh i686).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

step "packing dist/tolmic2007-setup-kit.zip"
install_exe="$BUILD/i686/install/Install.exe"
uninstall_exe="$BUILD/i686/uninstall/UnInstall.exe"
for f in "$install_exe" "$uninstall_exe"; do
  [ -f "$f" ] || die "missing $f: build the i686 target first"
done
mkdir -p "$ROOT/dist"
python3 - "$ROOT/dist/tolmic2007-setup-kit.zip" "$install_exe" "$uninstall_exe" \
  "$ROOT/resources/kit-readme.txt" <<'PY'
import sys, zipfile
out, install, uninstall, readme = sys.argv[1:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as kit:
    kit.write(install, "Install.exe")
    kit.write(uninstall, "UnInstall.exe")
    # A text for Windows users: CRLF line ends.
    with open(readme, encoding="ascii") as f:
        kit.writestr("ReadMe.txt", f.read().replace("\n", "\r\n"))
for info in zipfile.ZipFile(out).infolist():
    print(f"  {info.filename:14} {info.file_size:8} bytes")
PY
echo "dist/tolmic2007-setup-kit.zip"
