#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb with Wine's Tahoma font:
# docs/screenshots/install.png (the installer on a first installation) and
# docs/screenshots/uninstall.png (the uninstaller after "&Remove").
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/enable-32bit.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/build.sh" x86_64
use_wine_prefix wine-shots x11

step "staging a first installation"
product="$WINEPREFIX/drive_c/Program Files/Tolmic 2007"
rm -rf "$product"
stage_product "$product"
wine reg delete 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tolmic2007' /f >/dev/null 2>&1 || true
find "$WINEPREFIX/drive_c/users" -name 'Tolmic 2007.lnk' -delete

out="$ROOT/docs/screenshots"
mkdir -p "$out"
step "taking the screenshots under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  product=$1 out=$2 press=$3
  shoot() {  # CAPTION FILE: waits for the window and saves it alone
    window=$(timeout 60 xdotool search --sync --name "$1" | head -n 1)
    sleep 1
    import -window "$window" "$2"
  }
  wine "$product/Install.exe" & pid=$!
  shoot "Tolmic 2007 Install" "$out/install.png"
  wine "$press" "Tolmic 2007 Install" 2    # "Close": creates the default shortcuts
  wait $pid
  wine "$product/UnInstall.exe" & pid=$!
  timeout 60 xdotool search --sync --name "Tolmic 2007 Remove" >/dev/null
  wine "$press" "Tolmic 2007 Remove" 1     # "&Remove"
  shoot "Tolmic 2007 Remove" "$out/uninstall.png"
  wine "$press" "Tolmic 2007 Remove" 2     # "Close"
  wait $pid
' _ "$product" "$out" "$BUILD/x86_64/tests/press_button.exe" || die "taking the screenshots failed"
wineserver -w
ls -1 "$out"/*.png
