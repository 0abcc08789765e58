#!/bin/bash
# CTest's emulator: runs one Windows program under Wine in the environment that
# wine-env.sh started (ZELVANO_WINE_ENV names it): wine64, or in the 32-bit lane
# the 32-bit loader.
set -u
here=$(cd "$(dirname "$0")" && pwd)
env_dir=${ZELVANO_WINE_ENV:-}
if [ -z "$env_dir" ]; then
  # Run by hand: find the build tree above the program.
  d=$(dirname "$(realpath "$1")")
  while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
  env_dir=$d/wine-env
fi
if [ ! -f "$env_dir/display" ]; then
  echo "wine-run: no test environment in $env_dir (run: scripts/wine-env.sh start $env_dir)" >&2
  exit 1
fi
DISPLAY=$(cat "$env_dir/display")
export DISPLAY
export WINEPREFIX=$env_dir/prefix
# ZELVANO_DLL_OVERRIDES adds overrides of its own (a benchmark's, e.g. "quartz=").
export WINEDLLOVERRIDES="mscoree,mshtml=${ZELVANO_DLL_OVERRIDES:+;$ZELVANO_DLL_OVERRIDES}"
export WINEDEBUG=${WINEDEBUG:--all}
if [ -f "$env_dir/lane32" ]; then
  # shellcheck source=lane32-env.sh
  . "$here/lane32-env.sh" "$(cat "$env_dir/lane32")"
  exec "$WINELOADER" "$@"
fi
exec /usr/lib/wine/wine64 "$@"
