#!/usr/bin/env bash
# The bundled example contest: it is exactly what the seeded simulator makes, sarnet-check
# gives every QSO the verdict the simulator knows it deserves and the expected results, and
# the command line fails as documented.
set -euo pipefail
src=$1 build=$2
check=$build/bin/sarnet-check
example=$src/examples/check-contest
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/sarnet-simulate" --seed 20261206 --stations 40 --qsos 30 --one-off 4 \
  --out "$work/again" >/dev/null
diff -r "$work/again/logs" "$example/logs"
cmp "$work/again/truth.csv" "$example/truth.csv"

"$check" --plugin "$build/bin/libStats.so" --start "2026-12-06 16:00" --end "2026-12-06 20:00" \
  --out "$work/out" "$example/logs" >"$work/said.txt"
grep -q '^sarnet-check: 36 logs with 1097 QSOs checked; 0 left out' "$work/said.txt"
cmp "$work/out/results.csv" "$example/expected-results.csv"
# log,line,status(,right call) of the truth against log,line,...,status,detail of the findings.
diff <(tail -n +2 "$example/truth.csv" | sort) \
     <(tail -n +2 "$work/out/findings.csv" |
       awk -F, '{ print $1 "," $2 "," $6 "," ($6 == "BUSTED_CALL" ? $7 : "") }' | sort)
[ -s "$work/out/YO5KGU.txt" ] && grep -q '17 minutes slow' "$work/out/YO5KGU.txt"
grep -q '<table>' "$work/out/index.html"

expect() {
  local status=$1 text=$2; shift 2
  set +e
  "$check" --out "$work/e" "$@" >/dev/null 2>"$work/err.txt"
  local got=$?
  set -e
  [ "$got" = "$status" ] || { echo "status $got, not $status: $*"; cat "$work/err.txt"; exit 1; }
  grep -q -- "$text" "$work/err.txt" || { echo "no \"$text\" for: $*"; cat "$work/err.txt"; exit 1; }
}
plugin=$build/bin/libStats.so
expect 1 'is not a "YYYY-MM-DD HH:MM" time' --start 16:00 "$example/logs"
expect 1 'logs is required' --window 3
printf 'QSO: 3580 DG 2026-12-06 25:00 X' >"$work/bad.log"
expect 2 'bad.log: line 1' --plugin "$plugin" "$example/logs/YO5KGU.log" "$work/bad.log"
expect 3 'cannot load' --plugin "$work/none.so" "$example/logs"
expect 3 'the country file' --plugin "$plugin" --cty "$work/none.dat" "$example/logs"
mkdir "$work/no-logs"
expect 2 'no-logs: no logs in this folder' --plugin "$plugin" "$work/no-logs"
# A temporary folder so deep that the scratch folder just fits under the path limit (4096
# bytes) and no station's work folder does: the station is not scored, and the run says so.
deep=$work/deep
while [ $((${#deep} + 211)) -le 4060 ]; do deep=$deep/$(printf '%0200d' 0); done
deep=$deep/$(printf "%0$((4060 - ${#deep} - 1))d" 0)
mkdir -p "$deep"
TMPDIR=$deep expect 3 'YO5KGU could not be scored: cannot make the work folder' \
  --plugin "$plugin" "$example/logs/YO5KGU.log"
echo "example contest checked as expected"
