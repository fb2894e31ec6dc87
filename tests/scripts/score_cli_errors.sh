#!/usr/bin/env bash
# Exit statuses and messages of sarnet-score for bad input: one line on standard error
# naming file, record and field; nothing written into the work folder; no crash.
set -uo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
plugin=$build/bin/libStats.so
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/out"
fails=0

defaults=(--plugin "$plugin" --workdir "$work/out")
# expect STATUS "stderr substring" ARGS...
expect() {
  local status=$1 message=$2
  shift 2
  "$score" "${defaults[@]}" "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  local lines
  lines=$(wc -l <"$work/stderr")
  if [ "$got" != "$status" ] || ! grep -q -F -- "$message" "$work/stderr"; then
    echo "FAIL: $* -> status $got (want $status), stderr: $(cat "$work/stderr")"
    fails=$((fails + 1))
  elif [ "$status" = 2 ] && [ "$lines" != 1 ]; then
    echo "FAIL: $* -> $lines lines on stderr, want one"
    fails=$((fails + 1))
  fi
  if [ -n "$(ls -A "$work/out")" ]; then
    echo "FAIL: $* left files in the work folder: $(ls -A "$work/out")"
    fails=$((fails + 1))
  fi
}

qso='<CALL:6>YO3ABC<QSO_DATE:8>20261206<TIME_ON:4>1805<BAND:3>80m<MODE:6>BPSK31<STX:1>1<SRX:4>12BV<STATION_CALLSIGN:6>YO8SRN<EOR>'
: >"$work/empty.adi"
printf '%s\n<CALL:6>DL1ABC<QSO_DATE:8>20261206' "$qso" >"$work/truncated.adi"
printf '%s\n<CALL:6>DL1ABC<QSO_DATE:80>20261206<EOR>' "$qso" >"$work/longer.adi"
printf '%s\n<CALL:six>DL1ABC<EOR>' "$qso" >"$work/nonnumeric.adi"
printf '<CALL:6>YO3\xc3\xa9B<QSO_DATE:8>20261206<TIME_ON:4>1805<EOR>' >"$work/nonascii.adi"
printf '%s\n<CALL:4>DL1A<QSO_DATE:8>20261306<TIME_ON:4>1805<EOR>' "$qso" >"$work/baddate.adi"
printf 'START-OF-LOG: 3.0\nCALLSIGN: YO8SRN\nEND-OF-LOG:\n' >"$work/noqso.cbr"
printf '<CALL:4>DL1A<QSO_DATE:8>20261206<TIME_ON:4>1805<EOR>' >"$work/nocall.adi"
printf 'no country here' >"$work/bad-cty.dat"

expect 2 "$work/empty.adi: the file is empty" "$work/empty.adi"
expect 2 "truncated.adi: record 2, field QSO_DATE: the record is truncated" "$work/truncated.adi"
expect 2 "longer.adi: record 2, field QSO_DATE: length 80 is longer than the rest of the file" "$work/longer.adi"
expect 2 "nonnumeric.adi: record 2, field CALL: length \"six\" is not a number" "$work/nonnumeric.adi"
expect 2 "nonascii.adi: record 1, field CALL:" "$work/nonascii.adi"
expect 2 "baddate.adi: record 2, field QSO_DATE:" "$work/baddate.adi"
expect 2 "noqso.cbr: no QSO: lines" "$work/noqso.cbr"
expect 2 "no-such.adi: cannot open" "$work/no-such.adi"
expect 2 "install the hamradio-files package or give --cty PATH" --cty "$work/none/cty.dat" "$src/examples/sarnet-example.adi"
expect 2 "bad-cty.dat" --cty "$work/bad-cty.dat" "$src/examples/sarnet-example.adi"
expect 1 "give --call" "$work/nocall.adi"
expect 1 "no log file given"
expect 1 "unknown option --frobnicate" --frobnicate "$src/examples/sarnet-example.adi"
expect 1 "is not a YYYY-MM-DD date" --date 06.12.2026 "$src/examples/sarnet-example.adi"
defaults=(--plugin "$plugin")
expect 1 "is not a folder" --workdir "$work/missing" "$src/examples/sarnet-example.adi"
defaults=(--workdir "$work/out")
expect 3 "cannot load the plug-in" --plugin "$work/none.so" "$src/examples/sarnet-example.adi"

"$score" --help >"$work/stdout" 2>&1 || { echo "FAIL: --help"; fails=$((fails + 1)); }
grep -q "Exit status" "$work/stdout" || { echo "FAIL: --help text"; fails=$((fails + 1)); }

# A report page from an earlier run survives a failed one untouched.
echo "earlier page" >"$work/page.html"
"$score" --plugin "$plugin" --report "$work/page.html" "$work/truncated.adi" 2>/dev/null
[ "$(cat "$work/page.html")" = "earlier page" ] || { echo "FAIL: the earlier page was touched"; fails=$((fails + 1)); }
[ ! -e "$work/page.html.tmp" ] || { echo "FAIL: a temporary page was left"; fails=$((fails + 1)); }

[ "$fails" = 0 ] && echo "all exit statuses as documented"
exit $((fails > 0))
