#!/usr/bin/env bash
# A Cabrillo run of the example: the Cabrillo file the plug-in writes passes TrustedQSL's
# converter for every QSO, and our own Cabrillo reader reads it back.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$score" --plugin "$build/bin/libStats.so" --suffix NT --cabrillo --workdir "$work" \
  "$src/examples/sarnet-example.adi" >/dev/null 2>"$work/notes.txt"
cbr=$work/YO8SRN.cbr
[ -s "$cbr" ] || { echo "no Cabrillo file written"; cat "$work/notes.txt"; exit 1; }
TQSLDIR=$(mktemp -d -p "$work") "$build/bin/tqsl_log_check" -c 8 "$cbr" >"$work/check.txt" || {
  cat "$work/check.txt"; exit 1; }
qsos=$(grep -c '^QSO:' "$cbr")
[ "$(grep -c '^OK' "$work/check.txt")" = "$qsos" ]
# 300 QSOs less the wrong-band, no-number and bad-county ones (duplicates stay in the log).
[ "$qsos" = 297 ] || { echo "expected 297 QSO lines, found $qsos"; exit 1; }
"$score" --plugin "$build/bin/libStats.so" --workdir "$work" "$cbr" >/dev/null 2>&1
# An own call that Windows takes for a device: the plug-in writes _COM1.cbr, and the tool
# finds it there.
mkdir "$work/device"
"$score" --plugin "$build/bin/libStats.so" --cabrillo --call COM1 --workdir "$work/device" \
  "$src/examples/sarnet-example.adi" >/dev/null 2>&1 || { echo "COM1 run failed"; exit 1; }
[ -s "$work/device/_COM1.cbr" ]
echo "$qsos Cabrillo QSOs accepted by TrustedQSL and read back"
