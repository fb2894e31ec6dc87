#!/usr/bin/env bash
# Draws what operators see, from the shipped i686 Stats.dll under Wine: the status window,
# the DXCC window with and without a call entered, and the county grid, into docs/*.png.
# The replacement host plays the logging program (a short session of twelve QSOs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
if [ ! -e "$build/CMakeCache.txt" ]; then
  cmake --preset win32 -S "$root" >/dev/null
fi
cmake --build "$build" -j2 --target ravo Stats >/dev/null

export DISPLAY=:94 WINEDEBUG=-all
xvfb_pid=$(bash "$root/scripts/virtual-display.sh" "$DISPLAY")
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null' EXIT
cp "$build/bin/ravo.exe" "$build/bin/Stats.dll" "$work/"
# Both grid windows open, each at a place of its own. Every session starts from these settings
# (the plug-in opens its window at every other contest start of a folder).
settings='[Settings]\r\nsetup_view_multiplier=1\r\nsetup_view_county=1\r\nsetup_yo_x=20\r\nsetup_yo_y=20\r\ndxcc_x=20\r\ndxcc_y=330\r\nyo_x=520\r\nyo_y=20\r\n'

# The window whose title starts with the text, as an X window id.
window_id() {
  xwininfo -root -tree | awk -v title="\"$1" '!found && index($0, title) { print $1; found = 1 }'
}
shoot() {
  local title=$1 file=$2 id
  id=$(window_id "$title")
  [ -n "$id" ] || { echo "no window \"$title...\"" >&2; return 1; }
  import -window "$id" "$root/docs/$file"
  echo "docs/$file"
}
# Runs one session and photographs it once the host says it is ready.
session() {
  local call=$1; shift
  rm -rf "$work/out.txt" "$work/Plugins"
  mkdir "$work/Plugins"
  printf "$settings" >"$work/Plugins/Sarnet.ini"
  (cd "$work" && bash "$root/scripts/wine-run.sh" "$build/wineprefix" ./ravo.exe 6 $call \
      >"$work/out.txt" 2>&1) &
  local pid=$!
  for _ in $(seq 300); do grep -q '^ready' "$work/out.txt" 2>/dev/null && break; sleep 0.1; done
  sleep 1.5
  "$@"
  wait "$pid" || { echo "the session ended with an error:" >&2; cat "$work/out.txt" >&2; return 1; }
}
session "" eval 'shoot "Setup Sarnet" status-window.png; shoot "YO County" county-window.png; shoot "DXCC " dxcc-window.png'
session "DL1ABC" shoot "Sarnet-" dxcc-window-call.png
