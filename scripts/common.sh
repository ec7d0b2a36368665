# Shared by the project's scripts: paths, progress lines and failures.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
step() { printf '\n==> %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Makes (once) and selects the Wine prefix build/NAME: use_wine_prefix NAME null|x11
use_wine_prefix() {
  "$ROOT/scripts/wine-prefix.sh" "$BUILD/$1" "$2"
  export WINEPREFIX="$BUILD/$1" HOME="$BUILD/$1-home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Fills a product folder with the x86_64 programs and a stand-in Tolmic.exe.
stage_product() {
  mkdir -p "$1"
  cp "$BUILD/x86_64/install/Install.exe" "$BUILD/x86_64/uninstall/UnInstall.exe" "$BUILD/x86_64/tests/Tolmic.exe" \
    "$1/" || die "staging the product folder $1 failed"
}
