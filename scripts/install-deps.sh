#!/usr/bin/env bash
# Installs what building and testing Tomeflip needs on Debian 12, and only
# what is missing. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 fonts-wine xvfb xauth
  xdotool python3-xlib x11-apps imagemagick fonts-nanum icoutils
  qemu-user-static
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  as_root apt-get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Tomeflip is a 32-bit program, so it runs under 32-bit Wine. Some virtual
# machines boot with the kernel's 32-bit support switched off; there the
# 32-bit Wine loader is run through qemu's user-mode emulator instead.
binfmt=/proc/sys/fs/binfmt_misc
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | as_root tee "$binfmt/register" >/dev/null
  fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "32-bit programs cannot run on this machine" >&2; exit 1; }
fi
