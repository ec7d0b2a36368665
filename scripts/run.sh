#!/usr/bin/env bash
# The kit's main command: builds both targets, packs dist/, stages a demo
# product folder in a Wine prefix of its own and runs Install.exe there. With
# a display the dialog opens as a real window; without one it runs under
# Xvfb, a screenshot is saved and the dialog is closed as a user would.
# Then it shows what the run changed: the uninstall entry and the shortcuts.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/enable-32bit.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/check-imports.sh" "$BUILD/i686"
"$ROOT/scripts/dist.sh"
# The demo runs the delivered programs; the x86_64 build gives it the
# stand-in Tolmic.exe and the program that presses the dialog's button.
"$ROOT/scripts/build.sh" x86_64

use_wine_prefix wine-demo x11

step "staging the demo product folder C:\\Program Files\\Tolmic 2007"
product="$WINEPREFIX/drive_c/Program Files/Tolmic 2007"
stage_product "$product"
ls -1 "$product"

if [ -n "${DISPLAY:-}" ]; then
  step "running Install.exe (close its dialog to go on)"
  wine "$product/Install.exe" || die "Install.exe failed"
else
  step "running Install.exe under Xvfb (no display is set)"
  mkdir -p "$ROOT/out"
  shot="$ROOT/out/install-dialog.png"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wine "$1" & pid=$!
    window=$(timeout 60 xdotool search --sync --name "Tolmic 2007 Install" | head -n 1)
    [ -n "$window" ] || { echo "error: the dialog did not open" >&2; kill $pid; exit 1; }
    sleep 1
    import -window root "$2"
    # "Close", as a user would: the dialog applies the ticked shortcuts.
    wine "$3" "Tolmic 2007 Install" 2
    wait $pid
  ' _ "$product/Install.exe" "$shot" "$BUILD/x86_64/tests/press_button.exe" \
    || die "running Install.exe under Xvfb failed"
  echo "screenshot: $shot"
fi
wineserver -w

step "what the run changed"
echo "uninstall entry HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tolmic2007:"
wine reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tolmic2007' 2>/dev/null | tr -d '\r' \
  | grep REG_SZ || echo "  (none)"
echo "shortcuts:"
find "$WINEPREFIX/drive_c/users" -name 'Tolmic 2007.lnk' -printf '  %P\n' | sort
wineserver -k 2>/dev/null || true
