#!/bin/bash
# Prepares the 32-bit lane: the shipped i686 programs and their tests run under
# Debian's 32-bit Wine loader, which QEMU's user-mode emulator runs because this
# kernel cannot start 32-bit Linux programs itself.
#   lane32-setup.sh <lane dir>
# Idempotent: it fetches, registers and builds only what is missing. The 32-bit
# Wine packages come from scripts/install-deps.sh.
# What it makes in <lane dir>:
#   qemu/      QEMU 10 user mode from bookworm-backports, unpacked, not installed
#              (Debian 12's QEMU 7.2 lacks MAP_FIXED_NOREPLACE, which Wine relies on)
#   trapfix/   the fault-number shim, scripts/lane32/trapfix.c, preloaded into Wine
#   root/      copies of Wine's loaders beside a preloader without its stray segment
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lane=$(realpath -m "$1")
binfmt=/proc/sys/fs/binfmt_misc
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
qemu=$lane/qemu/usr/bin/qemu-i386
# Debian's QEMU keeps argv[0] when its name ends in -binfmt-P.
qemu_link=$lane/bin/qemu-i386-binfmt-P
log() { echo "lane32: $*"; }

fetch_qemu() {
  [ -x "$qemu" ] && return
  local apt=$lane/apt
  mkdir -p "$apt/lists/partial" "$apt/archives/partial"
  echo "deb http://deb.debian.org/debian bookworm-backports main" >"$apt/sources.list"
  local opts=(-o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts=-
    -o Dir::State::lists="$apt/lists" -o Dir::Cache::archives="$apt/archives"
    -o APT::Sandbox::User=root)
  log "fetching QEMU user mode from bookworm-backports"
  apt-get "${opts[@]}" update -q >/dev/null
  (cd "$apt" && apt-get "${opts[@]}" download -q qemu-user/bookworm-backports >/dev/null)
  local debs=("$apt"/qemu-user_*.deb)
  dpkg-deb -x "${debs[-1]}" "$lane/qemu"
  rm -rf "$apt"
}

registered_qemu() { sed -n "s/^interpreter //p" "$binfmt/qemu-i386" 2>/dev/null || true; }

register_binfmt() {
  [ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
  local current
  current=$(registered_qemu)
  # Another lane's registration of the same QEMU serves this one too; replacing it
  # would break the 32-bit programs that lane is starting.
  if [ -n "$current" ] && cmp -s "$current" "$qemu"; then
    grep -q '^enabled' "$binfmt/qemu-i386" || echo 1 | $SUDO tee "$binfmt/qemu-i386" >/dev/null
    return
  fi
  [ -e "$binfmt/qemu-i386" ] && echo -1 | $SUDO tee "$binfmt/qemu-i386" >/dev/null
  mkdir -p "$(dirname "$qemu_link")"
  ln -sfn "$qemu" "$qemu_link"
  # i386 ELF programs and shared objects. O: the program as a descriptor, P: argv[0]
  # kept, F: the emulator opened now, so the entry works wherever it is used.
  local magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s' ":qemu-i386:M::$magic:$mask:$qemu_link:OPF" | $SUDO tee "$binfmt/register" >/dev/null
  log "registered $qemu for i386 programs"
}

build_trapfix() {
  local out=$lane/trapfix/lib
  [ "$out/i386-linux-gnu/trapfix.so" -nt "$here/lane32/trapfix.c" ] && return
  mkdir -p "$out/i386-linux-gnu" "$out/x86_64-linux-gnu"
  gcc -m32 -O2 -fPIC -shared -fno-stack-protector -nostdlib \
    -o "$out/i386-linux-gnu/trapfix.so" "$here/lane32/trapfix.c" /lib/i386-linux-gnu/libc.so.6
  # The 64-bit processes get an empty library of the same name ($LIB picks it).
  echo 'void trapfix_none(void) {}' |
    gcc -O2 -fPIC -shared -nostdlib -x c -o "$out/x86_64-linux-gnu/trapfix.so" -
}

build_root() {
  local wine=$lane/root/lib/wine
  [ -x "$wine/wine-preloader" ] && [ -x "$wine/wine" ] && [ -x "$wine/wine64" ] && return
  mkdir -p "$wine"
  # Wine finds its preloader beside its loader, and its libraries relative to it.
  cp /usr/lib/wine/wine /usr/lib/wine/wine64 "$wine/"
  ln -sfn /usr/lib/wine/wineserver "$wine/wineserver"
  ln -sfn /usr/lib/i386-linux-gnu "$lane/root/lib/i386-linux-gnu"
  ln -sfn /usr/lib/x86_64-linux-gnu "$lane/root/lib/x86_64-linux-gnu"
  ln -sfn /usr/share "$lane/root/share"
  python3 "$here/lane32/unload_low_segment.py" /usr/lib/wine/wine-preloader "$wine/wine-preloader"
  chmod 755 "$wine/wine-preloader"
}

mkdir -p "$lane"
fetch_qemu
# The registration is the machine's, not the lane's: one setup at a time looks at it.
(
  flock 9
  register_binfmt
) 9>/tmp/zelvano-binfmt.lock
build_trapfix
build_root
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || { log "32-bit programs still do not start"; exit 1; }
echo "lane32: ready in $lane ($("$qemu" --version | head -1))"
