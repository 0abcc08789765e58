#!/bin/bash
# Release check: builds the release into <dir> (signed with a throwaway certificate),
# reads the shipped programs back, installs the MSI silently into the test prefix,
# starts the installed 32-bit viewer through $ZELVANO_RUN32, upgrades, refuses a
# downgrade, uninstalls and finds nothing of ours left.
#   release_check.sh <dir>     (ZELVANO_WINE_ENV: the environment of wine-env.sh start)
# ZELVANO_RUN32 is a command that runs a 32-bit Windows program given as a Unix path in
# that environment until it ends; without it the viewer start is skipped and so is the check (77).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(realpath -m "$1")
rm -rf "$work" && mkdir -p "$work"
fail() { echo "release check: FAILED: $*" >&2; exit 1; }
manifest() { # the manifest resource as text
  i686-w64-mingw32-windres -i "$1" -O rc | sed -n '/^1 24/,/^END/{s/^  "//; s/\\n"$//; s/""/"/g; p}'
}

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Zelvano release check" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
ZELVANO_SIGN_CERT=$work/cert.pem ZELVANO_SIGN_KEY=$work/key.pem ZELVANO_RELEASE_BUILD=$work/build \
  ZELVANO_DIST=$work/dist bash "$root/scripts/release.sh" | grep -v '^\['
version=$(cmake -DZEL_PRINT_VERSION=ON -P "$root/cmake/version.cmake" 2>&1)
msi=$work/dist/ZelvanoV2010-$version.msi
unzip -q "$work/dist/ZelvanoV2010-$version-portable.zip" -d "$work/zip"
osslsigncode verify -CAfile "$work/cert.pem" -in "$msi" >/dev/null || fail "MSI signature"
properties=$(msiinfo export "$msi" Property | tr -d '\r')
grep -qx "ProductVersion.$version" <<<"$properties" || fail "MSI version"
grep -qx "ALLUSERS.1" <<<"$properties" || fail "MSI is not per-machine"

for exe in ZelvanoV2010.exe Zelreg.exe; do
  f=$work/zip/Zelvano/$exe
  i686-w64-mingw32-objdump -f "$f" | grep -q 'file format pei-i386' || fail "$exe is not PE32"
  sections=$(i686-w64-mingw32-objdump -h "$f" | awk '$2 ~ /^\./ {print $2}')
  ! grep -q '^\.debug' <<<"$sections" || fail "$exe has debug sections"
  # The debug link names the symbols file and carries its CRC-32.
  i686-w64-mingw32-objcopy --dump-section .gnu_debuglink="$work/link" "$f" "$work/copy"
  crc=$(python3 -c 'import sys, zlib; print(zlib.crc32(open(sys.argv[1], "rb").read()))' \
    "$work/dist/symbols/$exe.debug")
  grep -qa "^$exe.debug" "$work/link" || fail "$exe debug link names no $exe.debug"
  [ "$(od -An -tu4 -j $(($(stat -c %s "$work/link") - 4)) "$work/link" | tr -d ' ')" = "$crc" ] ||
    fail "$exe debug link's CRC"
  osslsigncode verify -CAfile "$work/cert.pem" -in "$f" >/dev/null || fail "$exe signature"
  m=$(manifest "$f")
  level=asInvoker && [ $exe = Zelreg.exe ] && level=requireAdministrator
  # The manifest's version is the version resource's (one source for both).
  fixed=$(i686-w64-mingw32-windres -i "$f" -O rc | sed -n 's/^ FILEVERSION //p' | tr -d ' ' | tr , .)
  for want in "level=\"$level\"" "version=\"$fixed\"" '{e2011457-1546-43c5-a5fe-008deee3d3f0}' \
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' \
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' \
    'WindowsSettings">true/pm</dpiAware>' 'WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'; do
    grep -qF -- "$want" <<<"$m" || fail "$exe manifest lacks $want"
  done
  # Windows would stretch a GDI-scaled window as a bitmap; ours draws itself per scale.
  ! grep -q 'gdiScaling' <<<"$m" || fail "$exe manifest asks for GDI scaling"
  ! grep -q '<dependency' <<<"$m" || fail "$exe asks for another common-controls version"
  echo "release check: $exe $(stat -c %s "$f") bytes; no debug sections; signed; manifest $level"
done
[ "$(stat -c %s "$work/zip/Zelvano/ZelvanoV2010.exe")" -le $((3 * 1024 * 1024 / 2)) ] ||
  fail "the viewer is larger than 1.5 MB"
# Code and data (the file less its resources, which grow with pictures) within
# their budgets: what section collection, the size optimisation and the programs'
# own library error handling (win32/library_errors.cpp) leave.
for budget in ZelvanoV2010.exe:320000 Zelreg.exe:150000; do
  exe=${budget%:*}
  rsrc=$(i686-w64-mingw32-objdump -h "$work/zip/Zelvano/$exe" | awk '$2 == ".rsrc" {print $3}')
  code=$(($(stat -c %s "$work/zip/Zelvano/$exe") - 0x${rsrc:-0}))
  [ "$code" -le "${budget#*:}" ] || fail "$exe has $code bytes of code and data, over ${budget#*:}"
  echo "release check: $exe $code bytes of code and data (budget ${budget#*:})"
done
a=$(i686-w64-mingw32-nm "$work/dist/symbols/ZelvanoV2010.exe.debug" | awk '$3 == "_wWinMain@16" {print $1}')
i686-w64-mingw32-addr2line -e "$work/dist/symbols/ZelvanoV2010.exe.debug" "0x$a" | grep -q 'viewer/main.cpp' ||
  fail "symbols do not resolve wWinMain"

env_dir=${ZELVANO_WINE_ENV:?}
DISPLAY=$(cat "$env_dir/display")
export DISPLAY WINEPREFIX=$env_dir/prefix WINEDEBUG=-all
# No desktop entries on the host for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine=/usr/lib/wine/wine64
if [ -f "$env_dir/lane32" ]; then # the 32-bit lane's loaders, for what msiexec starts
  # shellcheck source=../../scripts/lane32-env.sh
  . "$root/scripts/lane32-env.sh" "$(cat "$env_dir/lane32")"
  wine=$(dirname "$WINELOADER")/wine64
fi
winpath() { echo "Z:${1//\//\\}"; }
ours() { # how often the registry names us
  for k in HKLM HKCU HKCR; do
    $wine reg export $k "$(winpath "$work/$k.reg")" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$work/$k.reg"
  done | grep -ci zelvano || true
}
installed() { $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /reg:32 /s |
  sed -n 's/^ *DisplayVersion *REG_SZ *//p' | tr -d '\r' | paste -sd' '; }
program_dir="$WINEPREFIX/drive_c/Program Files (x86)/Zelvano"
shortcuts() { find "$WINEPREFIX/drive_c" -name 'Zelvano.lnk' | wc -l; }

before=$(ours)
# A failed check leaves nothing installed for the next run.
trap 'for m in "$work/newer.msi" "$msi"; do [ ! -f "$m" ] || $wine msiexec /x "$(winpath "$m")" /qn; done \
  >/dev/null 2>&1' EXIT
[ ! -e "$program_dir" ] || fail "the test prefix already holds Zelvano"
$wine msiexec /i "$(winpath "$msi")" /qn || fail "silent install"
for exe in ZelvanoV2010.exe Zelreg.exe; do
  cmp "$program_dir/$exe" "$work/zip/Zelvano/$exe" || fail "installed $exe differs from the release"
done
# Wine puts a per-machine package's Start-menu shortcut into the user's menu.
[ "$(shortcuts)" = 1 ] || fail "no Start-menu shortcut"
[ "$(installed)" = "$version" ] || fail "installed-programs entry: '$(installed)'"

lane=skipped
if [ -n "${ZELVANO_RUN32:-}" ]; then
  [ -z "$(xdotool search --onlyvisible --name '^ZelvanoV2010$' 2>/dev/null)" ] || fail "a viewer already runs"
  # A command, perhaps with arguments: split on purpose.
  # shellcheck disable=SC2086
  (exec setsid $ZELVANO_RUN32 "$program_dir/ZelvanoV2010.exe") >"$work/run32.log" 2>&1 &
  pid=$! window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^ZelvanoV2010$' 2>/dev/null | head -1) || true
    [ -n "$window" ] || ! kill -0 $pid 2>/dev/null && break
    sleep 1
  done
  kill -- -$pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
  [ -n "$window" ] || fail "no main window from the installed viewer in the 32-bit lane ($work/run32.log)"
  lane="main window $window shown by the 32-bit lane"
fi

# A newer package replaces this one; this one then refuses to downgrade it.
(cd "$work/build/stage" && wixl -a x86 -D Version="${version%.*}.$((${version##*.} + 1))" \
  -D ProgramDir=Zelvano -D IconFile=zelvano.ico -o "$work/newer.msi" "$root/installer/zelvano.wxs" 2>/dev/null)
$wine msiexec /i "$(winpath "$work/newer.msi")" /qn || fail "upgrade"
[ "$(installed)" = "${version%.*}.$((${version##*.} + 1))" ] || fail "after upgrade: '$(installed)'"
! $wine msiexec /i "$(winpath "$msi")" /qn || fail "an older package downgraded a newer one"
$wine msiexec /x "$(winpath "$work/newer.msi")" /qn || fail "silent uninstall"
if [ -e "$program_dir" ] || [ "$(shortcuts)" != 0 ] || [ "$(ours)" != "$before" ] || [ -n "$(installed)" ]; then
  fail "left behind: $(ls "$program_dir" 2>/dev/null) shortcuts $(shortcuts) registry $(ours)"
fi
echo "release check: installed, upgraded, downgrade refused, removed without trace; viewer: $lane"
[ "$lane" != skipped ] || { echo "release check: ZELVANO_RUN32 not set, 32-bit start skipped"; exit 77; }
