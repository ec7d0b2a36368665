#!/usr/bin/env bash
# Makes sure this machine can run 32-bit x86 Linux programs, which Wine needs
# for the delivered i686 programs (its 32-bit loader is one).
#
# Some kernels have no 32-bit support at all (the exec of an i386 program
# fails with "Exec format error", and Wine's 64-bit loader cannot switch to
# 32-bit code either). There the i386 programs run through qemu's user-mode
# emulator, registered with the kernel's binfmt_misc. The registration does
# not outlive a reboot, so this runs before every build and test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

runs_32bit && exit 0

step "this kernel cannot run 32-bit programs: registering qemu's i386 emulator"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
  $SUDO apt-get update -q || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends qemu-user-static \
    || die "could not install qemu-user-static"
fi
binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt" \
  || die "cannot mount $binfmt: no way to run 32-bit programs here"
if [ ! -e "$binfmt/qemu-i386" ]; then
  # ELF, 32-bit, little-endian, executable or shared object, machine i386.
  # F: the emulator is opened now, so it also serves Wine's own processes.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    | $SUDO tee "$binfmt/register" >/dev/null || die "could not register the i386 emulator"
fi
runs_32bit || die "32-bit programs still do not run: the i686 tests cannot run on this machine"
echo "i386 programs run through /usr/bin/qemu-i386-static"
