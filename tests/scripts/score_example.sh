#!/usr/bin/env bash
# The bundled example scored end to end through the built plug-in: the summary must equal
# the expected one byte for byte, in text and (same figures) in HTML, and the rejected-QSO
# report and the report page must be written.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
plugin=$build/bin/libStats.so
example=$src/examples/sarnet-example.adi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$score" --plugin "$plugin" --suffix NT --workdir "$work" --report "$work/page.html" \
  "$example" >"$work/summary.txt" 2>"$work/notes.txt"
if ! cmp "$work/summary.txt" "$src/examples/sarnet-example.expected.txt"; then
  diff <(tr -d '\r' <"$src/examples/sarnet-example.expected.txt") <(tr -d '\r' <"$work/summary.txt") || true
  exit 1
fi
report=$work/BadQSO_StatsSarnet_06_12_2026.txt
grep -q "wrote $report" "$work/notes.txt"
[ "$(head -1 "$report")" = $'Sarnet Contest UBN file \r' ]
for tail in 'WRONG BAND !!!' 'NO NUMBER !!!' 'YO County Code not acceptable !!!'; do
  [ "$(grep -c -- "$tail" "$report")" = 1 ] || { echo "report lacks one line with: $tail"; exit 1; }
done
[ "$(grep -c -- 'DUPE !!!' "$report")" = 3 ] || { echo "report lacks the 3 dupes"; exit 1; }
grep -q '<svg' "$work/page.html"
grep -q '<title>2026-12-06 16:00: ' "$work/page.html"
! grep -q -e '<script' -e 'src=' -e 'href=' "$work/page.html"

# The HTML layout carries the same figures as the text layout.
"$score" --plugin "$plugin" --html --workdir "$work" "$example" >"$work/summary.html" 2>/dev/null
head -c 6 "$work/summary.html" | grep -q '<html>'
score_line=$(grep -a '^Score:' "$src/examples/sarnet-example.expected.txt" | tr -d '\r')
figures=$(echo "$score_line" | sed -E 's/Score: ([0-9]+)\*\(([0-9]+)\+([0-9]+)\) = ([0-9]+)/\1 * (\2 + \3) = \4/')
grep -q -F "<center>$figures</center>" "$work/summary.html"

# Call check and exchange validation after the replay: a logged station is a duplicate.
"$score" --plugin "$plugin" --workdir "$work" --check YO9LQA --check ZZ9ZZZ \
  --exchange 012BV YO --exchange 599 DL "$example" 2>/dev/null | tail -4 >"$work/checks.txt"
grep -q '^CheckCall0 YO9LQA (YO): 0 duplicate' "$work/checks.txt"
grep -q '^IsValidExchg0 "012BV" from YO: 1 valid' "$work/checks.txt"
grep -q '^IsValidExchg0 "599" from DL: 0 invalid' "$work/checks.txt"
echo "example scored as expected"
