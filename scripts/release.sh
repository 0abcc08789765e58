#!/bin/bash
# Builds the release of the 32-bit programs into dist/: the MSI installer, the
# portable zip and symbols/ (the programs' debug information, linked to the
# stripped programs by debug link).
#   Hosts:   ZELVANO_STREAM_SERVER, ZELVANO_GUIDE_SITE, ZELVANO_SITE_HOME_PAGE
#            (unset: the local development defaults)
#   Signing: ZELVANO_SIGN_CERT and ZELVANO_SIGN_KEY (PEM files), optionally
#            ZELVANO_SIGN_PASS (key password) and ZELVANO_SIGN_TIMESTAMP (a timestamp URL)
#   Folders: ZELVANO_RELEASE_BUILD (default build/release), ZELVANO_DIST (default dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(realpath -m "${ZELVANO_RELEASE_BUILD:-build/release}")
dist=$(realpath -m "${ZELVANO_DIST:-dist}")
programs=(viewer/ZelvanoV2010.exe regtool/Zelreg.exe)

echo "== installing packages"
bash scripts/install-deps.sh

echo "== building the i686 programs (Release) in $build"
hosts=()
for v in ZELVANO_STREAM_SERVER ZELVANO_GUIDE_SITE ZELVANO_SITE_HOME_PAGE; do
  # Unset means the default, not whatever an earlier run left in the cache.
  if [ -n "${!v:-}" ]; then hosts+=("-D$v=${!v}"); else hosts+=("-U$v"); fi
done
# The release preset keeps -g: the debug information goes to symbols/, the shipped
# programs are stripped.
cmake --preset release -B "$build" "${hosts[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target ZelvanoV2010 Zelreg
for v in ZELVANO_STREAM_SERVER ZELVANO_GUIDE_SITE ZELVANO_SITE_HOME_PAGE; do
  value=$(sed -n "s/^$v:STRING=//p" "$build/CMakeCache.txt")
  echo "release: $v = $value"
  case $value in *://127.* | *://localhost*) echo "release: WARNING: $v is a loopback address" ;; esac
done
version=$(cmake -DZEL_PRINT_VERSION=ON -P cmake/version.cmake 2>&1)

signing=no
if [ -n "${ZELVANO_SIGN_CERT:-}" ] && [ -n "${ZELVANO_SIGN_KEY:-}" ]; then signing=yes; fi
sign() {
  [ $signing = yes ] || return 0
  local args=(-certs "$ZELVANO_SIGN_CERT" -key "$ZELVANO_SIGN_KEY" -n Zelvano -h sha256)
  [ -z "${ZELVANO_SIGN_PASS:-}" ] || args+=(-pass "$ZELVANO_SIGN_PASS")
  [ -z "${ZELVANO_SIGN_TIMESTAMP:-}" ] || args+=(-ts "$ZELVANO_SIGN_TIMESTAMP")
  osslsigncode sign "${args[@]}" -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
  echo "release: signed $(basename "$1")"
}

echo "== packaging $version into $dist"
stage=$build/stage
rm -rf "$stage" "$dist/symbols" "$dist"/ZelvanoV2010-*.msi "$dist"/ZelvanoV2010-*-portable.zip
mkdir -p "$stage/Zelvano" "$dist/symbols"
for p in "${programs[@]}"; do
  name=$(basename "$p")
  i686-w64-mingw32-objcopy --only-keep-debug "$build/$p" "$dist/symbols/$name.debug"
  (cd "$dist/symbols" && i686-w64-mingw32-objcopy --strip-all --add-gnu-debuglink="$name.debug" \
    "$build/$p" "$stage/Zelvano/$name")
  echo "release: $name $(stat -c %s "$stage/Zelvano/$name") bytes stripped"
  sign "$stage/Zelvano/$name"
done
[ $signing = yes ] || echo "release: not signing (set ZELVANO_SIGN_CERT and ZELVANO_SIGN_KEY to sign)"

msi=$dist/ZelvanoV2010-$version.msi
cp assets/zelvano.ico "$stage/"
# wixl finds the sources relative to the working folder; its "unimplemented" note
# comes with every build of this package and is dropped.
(
  cd "$stage"
  wixl -a x86 -D Version="$version" -D ProgramDir=Zelvano -D IconFile=zelvano.ico \
    -o "$msi" "$root/installer/zelvano.wxs" 2>&1 | grep -v 'unimplemented' || true
)
[ -f "$msi" ] || { echo "release: wixl made no installer" >&2; exit 1; }
sign "$msi"

# CRLF: older Notepads show LF-only text as one line.
sed "s/@VERSION@/$version/g; s/$/\r/" installer/portable-readme.txt >"$stage/Zelvano/README.txt"
(cd "$stage" && zip -q -X -r "$dist/ZelvanoV2010-$version-portable.zip" Zelvano)

echo "== dist:"
(cd "$dist" && find . -type f -printf '%P\t%s bytes\n' | sort)
