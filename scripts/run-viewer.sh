#!/bin/bash
# Builds the viewer and runs it under Wine against the local development server.
# With an X display it opens there; without one it runs on a virtual display,
# saves a screenshot of the main window and exits.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

echo "== installing packages"
bash scripts/install-deps.sh

# Its own tree: a test tree's viewer has that tree's test ports compiled in, this
# one the development server's hosts.
echo "== building the viewer (x86_64 variant, which runs under wine64) in build/viewer"
cmake --preset viewer >/dev/null
cmake --build --preset viewer -j "$(nproc)"
exe=$root/build/viewer/viewer/ZelvanoV2010.exe
env_dir=$root/build/run-env
# A Chinese locale: Wine then links the UI fonts to one with the channel names' characters.
wine=(env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEPREFIX="$env_dir/prefix"
  WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all /usr/lib/wine/wine64)

echo "== starting the local stream and guide server on 127.0.0.1:18080 and :18081"
/usr/bin/python3 scripts/devserver.py --stream-port 18080 --guide-port 18081 \
  2>"$root/build/devserver.log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  if [ -n "${virtual:-}" ]; then bash scripts/wine-env.sh stop "$env_dir" >/dev/null; fi
}
trap cleanup EXIT
# The server is ready when both ports accept connections.
server_listens() {
  local port
  for port in 18080 18081; do (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || return 1; done
}
for _ in $(seq 100); do
  server_listens && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
server_listens || { echo "the development server did not start, see build/devserver.log" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
  echo "== opening the viewer on $DISPLAY (close its window to end)"
  bash scripts/wine-env.sh prefix "$env_dir"
  "${wine[@]}" "$exe"
else
  virtual=1
  shot=$root/build/viewer-screenshot.png
  echo "== no display: running on a virtual one"
  bash scripts/wine-env.sh start "$env_dir"
  DISPLAY=$(cat "$env_dir/display")
  export DISPLAY
  "${wine[@]}" "$exe" &
  viewer=$!
  window=""
  for _ in $(seq 60); do
    window=$(xdotool search --name '^ZelvanoV2010$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.5
  done
  if [ -z "$window" ]; then
    echo "the viewer's window did not appear" >&2
    exit 1
  fi
  sleep 4 # let the controls load their pages
  import -window "$window" "$shot"
  echo "== screenshot of the main window: $shot"
  kill "$viewer" 2>/dev/null || true
fi
