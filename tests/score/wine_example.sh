#!/usr/bin/env bash
# sarnet-score.exe with Stats.dll next to it, under Wine: the example's summary must equal
# the expected one byte for byte, with the CR LF line ends of Windows and a final one.
# Usage: wine_example.sh WINE_RUN PREFIX_DIR PROGRAM SOURCE_DIR
set -euo pipefail
wine_run=$1 prefix=$2 program=$3 src=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$wine_run" "$prefix" "$program" --suffix NT --workdir "$work" --report "$work/page.html" \
  "$src/examples/sarnet-example.adi" >"$work/summary.txt" 2>"$work/notes.txt" || {
  cat "$work/notes.txt"; exit 1; }
{ cat "$src/examples/sarnet-example.expected.txt"; printf '\r\n'; } >"$work/expected.txt"
if ! cmp "$work/summary.txt" "$work/expected.txt"; then
  diff <(tr -d '\r' <"$work/expected.txt") <(tr -d '\r' <"$work/summary.txt") || true
  exit 1
fi
[ -s "$work/BadQSO_StatsSarnet_06_12_2026.txt" ]
grep -q '<svg' "$work/page.html"
# A malformed log: status 2 and the error with its line, record, call and field.
printf '<CALL:4>DL1A<QSO_DATE:8>2026' >"$work/bad.adi"
set +e
"$wine_run" "$prefix" "$program" "$work/bad.adi" >/dev/null 2>"$work/error.txt"
status=$?
set -e
[ "$status" = 2 ] || { echo "bad log: status $status"; cat "$work/error.txt"; exit 1; }
grep -q 'line 1, record 1 (DL1A), field QSO_DATE' "$work/error.txt"
echo "example scored under Wine as expected"
