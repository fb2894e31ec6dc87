#!/usr/bin/env bash
# A Cabrillo run of the example: the Cabrillo file the plug-in writes passes TrustedQSL's
# parser (cabcheck) for every QSO, and our own Cabrillo reader reads it back.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
if ! grep -q 'WriteCabrilloFile' "$src/reports/cabrillo_export.h"; then
  echo "SKIPPED: the Cabrillo writer is not built into this tree yet"
  exit 77
fi
tools=$src/../shared/tools/cabcheck
[ -d "$tools" ] || tools=/work/shared/tools/cabcheck
if [ ! -x "$tools/build.sh" ] && [ ! -f "$tools/build.sh" ]; then
  echo "SKIPPED: cabcheck sources not found next to the repository"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! sh "$tools/build.sh" "$work/cabcheck" >/dev/null 2>&1; then
  echo "SKIPPED: cabcheck cannot be built (trustedqsl missing)"
  exit 77
fi
"$score" --plugin "$build/bin/libStats.so" --suffix NT --cabrillo --workdir "$work" \
  "$src/examples/sarnet-example.adi" >/dev/null 2>"$work/notes.txt"
cbr=$work/YO8SRN.cbr
[ -s "$cbr" ] || { echo "no Cabrillo file written"; cat "$work/notes.txt"; exit 1; }
TQSLDIR=$(mktemp -d -p "$work") "$work/cabcheck" -c 8 "$cbr" >"$work/check.txt" || {
  cat "$work/check.txt"; exit 1; }
qsos=$(grep -c '^QSO:' "$cbr")
[ "$(grep -c '^OK' "$work/check.txt")" = "$qsos" ]
# 300 QSOs less the wrong-band, no-number and bad-county ones (duplicates stay in the log).
[ "$qsos" = 297 ] || { echo "expected 297 QSO lines, found $qsos"; exit 1; }
"$score" --plugin "$build/bin/libStats.so" --workdir "$work" "$cbr" >/dev/null 2>&1
echo "$qsos Cabrillo QSOs accepted by cabcheck and read back"
