#!/usr/bin/env bash
# Runs a Windows test program under wine64 with a private prefix and a virtual display.
# Usage: wine-run.sh PREFIX_DIR PROGRAM [ARGS...]
set -u
prefix=$1; shift
export WINEPREFIX=${STATS_WINEPREFIX:-$prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  if ! xdpyinfo -display :97 >/dev/null 2>&1 && ! [ -e /tmp/.X11-unix/X97 ]; then
    (Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X97 ] && break; sleep 0.1; done
  fi
fi
mkdir -p "$WINEPREFIX"
wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
[ -z "$wine" ] && wine=$(command -v wine)
exec "$wine" "$@"
