#!/usr/bin/env bash
# Makes a private Wine prefix, once: scripts/wine-prefix.sh PREFIX [null|x11]
# null: headless (dialogs and message boxes work without a display);
# x11: real windows, for a display or Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

prefix="${1:?usage: wine-prefix.sh PREFIX [null|x11]}"
driver="${2:-null}"
ready="$prefix/.tolmic-prefix-ready"
# A prefix made before wine32 was there has no 32-bit system folder and
# cannot run the delivered programs: it is made anew.
[ -f "$ready" ] && [ -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ] && exit 0

step "making Wine prefix $prefix ($driver driver)"
rm -rf "$prefix"
mkdir -p "$prefix" "$prefix-home"
export WINEPREFIX="$prefix" HOME="$prefix-home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineboot -i </dev/null >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f </dev/null >/dev/null 2>&1
# No .desktop files in $HOME for every shortcut saved.
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f </dev/null >/dev/null 2>&1
if [ "$driver" = x11 ]; then
  # Wine draws the window frame itself: there is no window manager under Xvfb.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  # The dialogs' own font rather than a substitute, and the caption buttons' glyphs.
  cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" \
    || die "Wine's fonts are missing (package fonts-wine)"
fi
wineserver -w
# User folders are links into $HOME by default; make them real folders so
# nothing the kit does lands outside the prefix.
find "$prefix/drive_c/users" -type l | while read -r link; do rm "$link"; mkdir "$link"; done
[ -d "$prefix/drive_c/users" ] || die "wineboot did not make a prefix in $prefix"
[ -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ] \
  || die "the prefix $prefix has no 32-bit system folder: is wine32 installed?"
touch "$ready"
