#!/usr/bin/env bash
# sarnet-check.exe with Stats.dll next to it, under Wine, on the bundled example contest: the
# results must equal the expected ones byte for byte.
# Usage: wine_example.sh WINE_RUN PREFIX_DIR PROGRAM SOURCE_DIR
set -euo pipefail
wine_run=$1 prefix=$2 program=$3 src=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$wine_run" "$prefix" "$program" --start "2026-12-06 16:00" --end "2026-12-06 20:00" \
  --out "$work/out" "$src/examples/check-contest/logs" >"$work/said.txt" 2>"$work/notes.txt" || {
  cat "$work/said.txt" "$work/notes.txt"; exit 1; }
cmp "$work/out/results.csv" "$src/examples/check-contest/expected-results.csv"
grep -q '17 minutes slow' "$work/out/YO5KGU.txt"
echo "example contest checked under Wine as expected"
