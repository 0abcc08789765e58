#!/bin/bash
# The Wine environment of a build tree: a private prefix, and for test runs one
# Xvfb and one persistent wineserver shared by every program of the run.
#   wine-env.sh start <dir> [<lane dir>]   Xvfb + prefix + persistent wineserver (tests)
#   wine-env.sh prefix <dir> [<lane dir>]  only make the prefix, on the current $DISPLAY
#   wine-env.sh stop <dir>
# With a lane dir (made by lane32-setup.sh) the environment is the 32-bit lane's:
# its programs run under the 32-bit loader there, through QEMU. With ZELVANO_WINE_DPI
# set (say 144), the prefix's screen has that resolution, as a high-DPI screen would.
set -u
cmd=$1
dir=$(realpath -m "$2")
lane=${3:+$(realpath -m "$3")}
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$dir/prefix
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export WINEARCH=win64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
if [ -n "$lane" ]; then
  if [ ! -x "$lane/root/lib/wine/wine" ]; then
    echo "wine-env: no 32-bit lane in $lane (run: scripts/lane32-setup.sh $lane)" >&2
    exit 1
  fi
  # shellcheck source=lane32-env.sh
  . "$here/lane32-env.sh" "$lane"
  wine=$lane/root/lib/wine/wine64
fi

dpi=${ZELVANO_WINE_DPI:-}
ready=$WINEPREFIX/.zelvano-ready-2${dpi:+-dpi$dpi}

prefix() {
  mkdir -p "$dir"
  [ -f "$ready" ] && return
  echo "wine-env: creating prefix $WINEPREFIX (about a minute)"
  $wine wineboot -i >"$dir/wineboot.log" 2>&1 || { echo "wine-env: wineboot failed, see $dir/wineboot.log" >&2; return 1; }
  # Wine draws non-client areas itself, so a skinned frame shows in screenshots.
  $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >>"$dir/wineboot.log" 2>&1 || return 1
  # Unmanaged windows: no window manager to wait for when windows hide, close or maximize.
  $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$dir/wineboot.log" 2>&1 || return 1
  # Wine reads the resolution at each process start and gives it to DPI-aware
  # programs (every program, unless DpiScalingVer makes it read their manifests).
  if [ -n "$dpi" ]; then
    $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$dir/wineboot.log" 2>&1 || return 1
  fi
  $wineserver -w
  if [ -n "$lane" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    echo "wine-env: the prefix has no 32-bit half" >&2
    return 1
  fi
  touch "$ready"
}

start() {
  mkdir -p "$dir"
  stop quiet
  # Xvfb takes a free display itself (its lock file decides, so runs starting at once
  # never share one) and writes the number when it accepts clients. Detached, with
  # no inherited output, so CTest does not wait on it.
  rm -f "$dir/xvfb.display"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/xvfb.display" \
    </dev/null >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  local n=""
  for _ in $(seq 100); do
    n=$(cat "$dir/xvfb.display")
    [ -n "$n" ] || ! kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null && break
    sleep 0.1
  done
  if [ -z "$n" ]; then
    echo "wine-env: Xvfb did not come up, see $dir/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=:$n
  prefix || return 1
  echo ":$n" >"$dir/display"
  if [ -n "$lane" ]; then echo "$lane" >"$dir/lane32"; else rm -f "$dir/lane32"; fi
  setsid $wineserver -p </dev/null >/dev/null 2>&1
  # Warm up: explorer.exe and the services then stay for the whole run.
  setsid "$wine" cmd /c exit </dev/null >/dev/null 2>&1
  echo "wine-env: display :$n, prefix $WINEPREFIX${lane:+, 32-bit lane}"
}

stop() {
  if [ -d "$WINEPREFIX" ]; then $wineserver -k >/dev/null 2>&1; fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null
    rm -f "$dir/xvfb.pid" "$dir/xvfb.display" "$dir/display"
  fi
  [ "${1:-}" = quiet ] || echo "wine-env: stopped"
}

case $cmd in
start) start ;;
prefix) prefix ;;
stop) stop ;;
*) echo "usage: $0 start|prefix|stop <dir> [<lane dir>]" >&2; exit 2 ;;
esac
