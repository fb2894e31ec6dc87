#!/usr/bin/env bash
# Exit statuses and messages of sarnet-score, one case per kind of failure: a clear message
# on standard error (never a raw C++ exception text), the documented status, and nothing
# written into the work folder when the log or the country file is bad. Warnings leave the
# status at 0.
set -uo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
plugin=$build/bin/libStats.so
example=$src/examples/sarnet-example.adi
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/out"
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

defaults=(--plugin "$plugin" --workdir "$work/out")
# expect STATUS "stderr substring" ARGS...
expect() {
  local status=$1 message=$2
  shift 2
  "$score" "${defaults[@]}" "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  if [ "$got" != "$status" ] || ! grep -q -F -- "$message" "$work/stderr"; then
    fail "$* -> status $got (want $status), stderr: $(cat "$work/stderr")"
  fi
  if grep -q -E 'basic_string|std::|what\(\)|terminate called' "$work/stderr"; then
    fail "$* -> raw exception text: $(cat "$work/stderr")"
  fi
  if [ "$status" = 2 ] && [ -n "$(ls -A "$work/out")" ]; then
    fail "$* left files in the work folder: $(ls -A "$work/out")"
  fi
}

qso='<CALL:6>YO3ABC<QSO_DATE:8>20261206<TIME_ON:4>1805<BAND:3>80m<MODE:6>BPSK31<STX:1>1<SRX:4>12BV<STATION_CALLSIGN:6>YO8SRN<EOR>'
: >"$work/empty.adi"
printf '%s\n<CALL:6>DL1ABC<QSO_DATE:8>20261206' "$qso" >"$work/truncated.adi"
printf '%s\n<CALL:6>DL1ABC<QSO_DATE:80>20261206<EOR>' "$qso" >"$work/longer.adi"
printf '<CALL:6>YO3\xc3\xa9B<QSO_DATE:8>20261206<TIME_ON:4>1805<EOR>' >"$work/nonascii.adi"
printf 'START-OF-LOG: 3.0\nCALLSIGN: YO8SRN\nEND-OF-LOG:\n' >"$work/noqso.cbr"
printf '<CALL:4>DL1A<QSO_DATE:8>20261206<TIME_ON:4>1805<EOR>' >"$work/nocall.adi"
printf 'no country here' >"$work/bad-cty.dat"
# OPERATOR's length runs into <EOR>: the own call read is no call sign.
printf '%s\n%s\n' "${qso/STATION_CALLSIGN:6>YO8SRN/OPERATOR:7>YO8SRN}" "${qso/STATION_CALLSIGN/OPERATOR}" \
  >"$work/operator.adi"
# QSO records that no <EOR> closes.
for i in 1 2 3; do echo '<CALL:4>DL1A<QSO_DATE:8>20261206<TIME_ON:4>1805<STX:1>1<SRX:1>2'; done >"$work/noeor.adi"
mkdir "$work/folder.adi"
# 25 bad records among good ones: all in one pass, the first 20 listed.
{ for i in $(seq 1 30); do
    if [ $((i % 6)) = 0 ]; then echo "$qso"; else
      printf '<CALL:4>DL%02d<QSO_DATE:8>2026%04d<TIME_ON:4>1805<EOR>\n' "$i" $((1300 + i)); fi
  done; } >"$work/many.adi"

# Bad logs and country files: status 2, every error named, nothing scored.
expect 2 "$work/empty.adi: the file is empty" "$work/empty.adi"
expect 2 "truncated.adi: line 2, record 2 (DL1ABC), field QSO_DATE: the record is truncated" "$work/truncated.adi"
expect 2 "longer.adi: line 2, record 2 (DL1ABC), field QSO_DATE: length 80 is longer than the rest of the file" "$work/longer.adi"
expect 2 "nonascii.adi: line 1, record 1 (YO3??B), field CALL:" "$work/nonascii.adi"
expect 2 "noqso.cbr: no QSO: lines" "$work/noqso.cbr"
expect 2 "operator.adi: record 1 (YO3ABC), field OPERATOR: the own call \"YO8SRN<\" is not a call sign" "$work/operator.adi"
grep -q 'warning: .*operator.adi: line 1, record 1 (YO3ABC), field OPERATOR: length 7 leaves "EOR>"' "$work/stderr" ||
  fail "operator.adi: the length that runs into <EOR> is not named"
expect 2 "noeor.adi: no <EOR> anywhere in the file: its 3 QSO records (3 CALL fields) are never closed" "$work/noeor.adi"
expect 2 "no-such.adi: cannot open" "$work/no-such.adi"
expect 2 "folder.adi: is a folder, not a file" "$work/folder.adi"
expect 2 "and 5 more errors" "$work/many.adi"
[ "$(grep -c 'field QSO_DATE' "$work/stderr")" = 20 ] || fail "many.adi: not 20 errors listed"
grep -q 'line 1, record 1 (DL01), field QSO_DATE: "20261301"' "$work/stderr" || fail "many.adi: the first error"
expect 2 "install the hamradio-files package or give --cty PATH" --cty "$work/none/cty.dat" "$example"
expect 2 "$work/folder.adi: is a folder, not a file (the country file" --cty "$work/folder.adi" "$example"
expect 2 "bad-cty.dat" --cty "$work/bad-cty.dat" "$example"

# Usage errors: status 1.
expect 1 "nocall.adi: the log names no own call sign (STATION_CALLSIGN, OPERATOR or CALLSIGN:): give --call" "$work/nocall.adi"
expect 1 "the own call C:\\X is not a call sign" --call 'c:\x' "$example"
expect 1 "no log file given"
expect 1 "--frobnicate" --frobnicate "$example"
expect 1 "06.12.2026 is not a YYYY-MM-DD date" --date 06.12.2026 "$example"

# The work folder and the plug-in, checked before scoring: status 3, the folder named.
defaults=(--plugin "$plugin")
expect 3 "the work folder $work/missing does not exist" --workdir "$work/missing" "$example"
expect 3 "the work folder /proc is not writable" --workdir /proc "$example"
mkdir "$work/plain" && : >"$work/plain/Plugins"
expect 3 "$work/plain/Plugins is not a folder" --workdir "$work/plain" "$example"
defaults=(--workdir "$work/out")
expect 3 "cannot load the plug-in" --plugin "$work/none.so" "$example"

# Files the plug-in could not write, found after scoring: status 3, file and reason named.
for case in report settings cabrillo; do
  mkdir -p "$work/$case/Plugins"
  case $case in
    report) mkdir "$work/$case/BadQSO_StatsSarnet_06_12_2026.txt"; want=BadQSO_StatsSarnet_06_12_2026.txt ;;
    settings) mkdir "$work/$case/Plugins/Sarnet.ini"; want=Plugins/Sarnet.ini ;;
    cabrillo) mkdir "$work/$case/YO8SRN.cbr"; want=YO8SRN.cbr ;;
  esac
  defaults=(--plugin "$plugin" --workdir "$work/$case")
  expect 3 "$work/$case/$want was not written: a folder stands at its name" --cabrillo "$example"
done
defaults=(--plugin "$plugin" --workdir "$work/out")
expect 3 "$work/none/page.html was not written: No such file or directory" --report "$work/none/page.html" "$example"

# A report page from an earlier run survives a failed one untouched.
echo "earlier page" >"$work/page.html"
"$score" --plugin "$plugin" --report "$work/page.html" "$work/truncated.adi" 2>/dev/null
[ "$(cat "$work/page.html")" = "earlier page" ] || fail "the earlier page was touched"
[ ! -e "$work/page.html.tmp" ] || fail "a temporary page was left"

# Warnings: the run goes on (status 0) and each is named.
rm -rf "$work/out" && mkdir "$work/out"
expect 0 "warning: --date 2026-12-24 matches no QSO of the log" --suffix NT --date 2026-12-24 "$example"
expect 0 "sent exchanges carry no county code, which YO8SRN sends as a home-country station" "$example"
{ echo "$qso"; echo "${qso/STATION_CALLSIGN:6>YO8SRN/STATION_CALLSIGN:6>YO8SRX}" | sed 's/20261206/20261209/'; } >"$work/spread.adi"
expect 0 "warning: the QSOs span 72 hours" --suffix NT "$work/spread.adi"
grep -q "warning: the log names 2 own calls (YO8SRN, YO8SRX)" "$work/stderr" || fail "two own calls not named"

# Standard input, help and version.
"$score" --plugin "$plugin" --workdir "$work/out" --suffix NT - <"$example" >"$work/stdin.txt" 2>/dev/null ||
  fail "- did not read standard input"
"$score" --plugin "$plugin" --workdir "$work/out" --suffix NT "$example" 2>/dev/null | cmp -s - "$work/stdin.txt" ||
  fail "standard input scored differently"
"$score" --help >"$work/stdout" 2>&1 || fail "--help"
grep -q "Exit status" "$work/stdout" || fail "--help text"
"$score" --version | grep -q '^sarnet-score ' || fail "--version"

[ "$fails" = 0 ] && echo "all exit statuses as documented"
exit $((fails > 0))
