#!/usr/bin/env bash
# Runs a Windows program under Wine with a private prefix and a virtual display: i686 programs
# under 32-bit Wine (a WoW64 prefix), x86_64 programs under wine64.
# Usage: wine-run.sh PREFIX_DIR PROGRAM [ARGS...]
set -u
prefix=$1; shift
export WINEPREFIX=${STATS_WINEPREFIX:-$prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  bash "$(dirname "$0")/virtual-display.sh" "$DISPLAY" >/dev/null
fi
mkdir -p "$WINEPREFIX"

# The machine field of the PE header: 014c is i386, 8664 is x86_64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] && od -An -tx2 -j $((offset + 4)) -N 2 "$1" 2>/dev/null | tr -d ' '
}
if [ "$(pe_machine "$1")" = 8664 ]; then
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
else
  wine=$(command -v wine)
fi
# Wine draws and places its windows itself, as Windows does, instead of handing them to an X
# window manager: positions are exactly what the program asks for, and hiding a window does not
# wait for a window manager that the virtual display does not have (about 2 s per window).
if [ ! -e "$WINEPREFIX/.unmanaged-windows" ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 &&
    touch "$WINEPREFIX/.unmanaged-windows"
fi
exec "$wine" "$@"
