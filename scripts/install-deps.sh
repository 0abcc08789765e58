#!/bin/bash
# Installs the Debian packages the build, the tests, the release and the viewer
# need; only what is missing, so it is quick to run again. Runs started at once (two
# clones) take turns: the package database is the machine's.
#   install-deps.sh           the build, the 64-bit tests, the release and the viewer
#   install-deps.sh --lane32  also the 32-bit Wine loader and the i386 libraries
#                             of the 32-bit test lane (adds the i386 architecture)
set -euo pipefail
packages=(
  cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  googletest wine wine64 xvfb xauth fonts-wqy-microhei imagemagick xdotool python3
  msitools wixl zip unzip osslsigncode openssl shellcheck
)
# The lane's own: QEMU's user mode comes from bookworm-backports (lane32-setup.sh);
# gcc builds its fault-number shim. The X libraries are the ones Wine loads itself.
lane32_packages=(
  gcc wine32:i386 wine32-preloader:i386 libgnutls30:i386
  libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386
)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

find_missing() {
  mapfile -t missing < <(missing_of "${packages[@]}")
  lane32_missing=()
  if [ "${1:-}" = --lane32 ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      echo "install-deps: adding the i386 architecture"
      $SUDO dpkg --add-architecture i386
    fi
    mapfile -t lane32_missing < <(missing_of "${lane32_packages[@]}")
  fi
  [ ${#missing[@]} -gt 0 ] || [ ${#lane32_missing[@]} -gt 0 ]
}

if ! find_missing "$@"; then
  echo "install-deps: all packages present"
  exit 0
fi
# Another run may be installing the same packages: wait for it, then look again.
exec 9>/tmp/zelvano-install-deps.lock
flock 9
if ! find_missing "$@"; then
  echo "install-deps: all packages present"
  exit 0
fi
# Waits for an apt of someone else's too, rather than failing on its lock.
apt_wait=(-o DPkg::Lock::Timeout=600)
# A mirror in mid-sync fails one index now and then: try again, then go on with
# what was fetched (the install below fails for real if a package is missing).
for attempt in 1 2 3; do
  $SUDO apt-get "${apt_wait[@]}" update -q && break
  echo "install-deps: apt-get update failed (attempt $attempt)" >&2
  sleep $((attempt * 5))
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get "${apt_wait[@]}" install -y -q "${missing[@]}"
fi
if [ ${#lane32_missing[@]} -gt 0 ]; then
  # Without recommends the i386 side stays small; i386 libraries must match their
  # amd64 versions, so apt may update a few amd64 libraries with them.
  echo "install-deps: installing ${lane32_missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get "${apt_wait[@]}" install -y -q --no-install-recommends \
    "${lane32_missing[@]}"
fi
