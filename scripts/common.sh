# Shared by the project's scripts: paths, progress lines and failures.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
step() { printf '\n==> %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Where 32-bit programs run through qemu (scripts/enable-32bit.sh), the guest
# gets 2 GB and 16 MB of address space instead of 4 GB: Wine's 32-bit loader
# tries to reserve everything above 2 GB in 64 KB steps when the emulator
# cannot place it, which costs about 50 s per process; the programs, which
# are not large-address-aware, never use memory above 2 GB. Without qemu
# this variable means nothing.
export QEMU_RESERVED_VA=0x81000000

# Makes (once) and selects the Wine prefix build/NAME: use_wine_prefix NAME null|x11
use_wine_prefix() {
  "$ROOT/scripts/wine-prefix.sh" "$BUILD/$1" "$2"
  export WINEPREFIX="$BUILD/$1" HOME="$BUILD/$1-home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Fills a product folder with the delivered i686 programs and a stand-in
# Tolmic.exe (from the x86_64 build, which has the test programs).
stage_product() {
  mkdir -p "$1"
  cp "$BUILD/i686/install/Install.exe" "$BUILD/i686/uninstall/UnInstall.exe" "$BUILD/x86_64/tests/Tolmic.exe" \
    "$1/" || die "staging the product folder $1 failed"
}
