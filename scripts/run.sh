#!/usr/bin/env bash
# The kit's main command: builds both targets, stages a demo product folder
# in a Wine prefix of its own and runs Install.exe there. With a display the
# dialog opens as a real window; without one it runs under Xvfb and a
# screenshot is saved.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" i686
"$ROOT/scripts/check-imports.sh" "$BUILD/i686"
# Only x86_64 programs run under this Wine; the demo uses them.
"$ROOT/scripts/build.sh" x86_64

demo_prefix="$BUILD/wine-demo"
"$ROOT/scripts/wine-prefix.sh" "$demo_prefix" x11
export WINEPREFIX="$demo_prefix" HOME="$demo_prefix-home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

step "staging the demo product folder"
product="$demo_prefix/drive_c/Program Files/Tolmic 2007"
mkdir -p "$product"
cp "$BUILD/x86_64/install/Install.exe" "$product/"
[ -f "$BUILD/x86_64/uninstall/UnInstall.exe" ] && cp "$BUILD/x86_64/uninstall/UnInstall.exe" "$product/"
cp "$BUILD/x86_64/tests/Tolmic.exe" "$product/"
echo "C:\\Program Files\\Tolmic 2007"

if [ -n "${DISPLAY:-}" ]; then
  step "running Install.exe (close the dialog to finish)"
  wine "$product/Install.exe" || die "Install.exe failed"
  exit 0
fi

step "running Install.exe under Xvfb"
mkdir -p "$ROOT/out"
shot="$ROOT/out/install-dialog.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$1" &
  pid=$!
  window=$(timeout 60 xdotool search --sync --name "Tolmic 2007 Install" | head -n 1)
  [ -n "$window" ] || { echo "error: the dialog did not open" >&2; kill $pid; exit 1; }
  sleep 1
  import -window root "$2"
  # Close as a user would: the dialog applies the shortcut choice on closing.
  xdotool key --window "$window" Escape
  wait $pid
' _ "$product/Install.exe" "$shot" || die "running Install.exe under Xvfb failed"
wineserver -w
echo "screenshot: $shot"
