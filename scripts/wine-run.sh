#!/bin/bash
# CTest's emulator: runs one Windows program under wine64 in the environment
# that wine-env.sh started (ZELVANO_WINE_ENV names it).
set -u
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
export DISPLAY=$(cat "$env_dir/display")
export WINEPREFIX=$env_dir/prefix
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
exec /usr/lib/wine/wine64 "$@"
