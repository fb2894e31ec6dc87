#!/usr/bin/env bash
# Succeeds when this machine runs 32-bit Windows programs: a tiny i686 console program must
# print its greeting under Wine (the kernel needs 32-bit support, Wine its i386 half).
# Usage: probe-wine32.sh PREFIX_DIR
set -u
prefix=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#include <stdio.h>\nint main(void) { puts("i686 runs"); return 0; }\n' >"$work/probe.c"
i686-w64-mingw32-gcc -o "$work/probe.exe" "$work/probe.c" 2>/dev/null || exit 1
[ "$(timeout 300 bash "$(dirname "$0")/wine-run.sh" "$prefix" "$work/probe.exe" 2>/dev/null | tr -d '\r')" = "i686 runs" ]
