#!/usr/bin/env bash
# The bundled example scored end to end through the built plug-in: the summary must equal
# the expected one (the plug-in's text, printed with this platform's line ends and a final
# one), in text and (same figures) in HTML, and the rejected-QSO report and the report page
# must be written.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
plugin=$build/bin/libStats.so
example=$src/examples/sarnet-example.adi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$score" --plugin "$plugin" --suffix NT --workdir "$work" --report "$work/page.html" \
  "$example" >"$work/summary.txt" 2>"$work/notes.txt"
{ tr -d '\r' <"$src/examples/sarnet-example.expected.txt"; echo; } >"$work/expected.txt"
if ! cmp "$work/summary.txt" "$work/expected.txt"; then
  diff "$work/expected.txt" "$work/summary.txt" || true
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
grep -q '<title>2026-12-06 16:00-17:00 UTC: ' "$work/page.html"
! grep -q -e '<script' -e 'src=' -e 'href=' "$work/page.html"

# The HTML layout carries the same figures as the text layout.
"$score" --plugin "$plugin" --html --workdir "$work" "$example" >"$work/summary.html" 2>/dev/null
head -c 6 "$work/summary.html" | grep -q '<html>'
score_line=$(grep -a '^Score:' "$src/examples/sarnet-example.expected.txt" | tr -d '\r')
figures=$(echo "$score_line" | sed -E 's/Score: ([0-9]+)\*\(([0-9]+)\+([0-9]+)\) = ([0-9]+)/\1 * (\2 + \3) = \4/')
grep -q -F "<center>$figures</center>" "$work/summary.html"

# Call check and exchange validation after the replay, in words: a logged station is a
# duplicate in any letter case; the plug-in's codes only with --verbose.
"$score" --plugin "$plugin" --workdir "$work" --suffix NT --check yo9lqa --check DL9ZZZ \
  --check OK1XYZ --exchange 012bv YO --exchange 012OT YO --exchange 599 DL "$example" \
  2>/dev/null | tail -6 >"$work/checks.txt"
grep -q '^YO9LQA: duplicate: worked 16:03 UTC on 80m$' "$work/checks.txt"
grep -q '^DL9ZZZ: not a duplicate; DXCC prefix DL already worked on 80m$' "$work/checks.txt"
grep -q '^OK1XYZ: not a duplicate' "$work/checks.txt"
grep -q '^012BV from YO: valid, county BV already worked (1 QSO)$' "$work/checks.txt"
grep -q '^012OT from YO: valid, new county OT$' "$work/checks.txt"
grep -q '^599 from DL: invalid$' "$work/checks.txt"
"$score" --plugin "$plugin" --workdir "$work" --verbose --check Q1ABC "$example" 2>/dev/null |
  tail -1 | grep -q '^Q1ABC: new DXCC prefix (not in the country file) \[CheckCall0 returned 2\]$'

# A Cabrillo run: the plug-in's "Output" message comes after the summary, with the prefix.
"$score" --plugin "$plugin" --workdir "$work" --suffix NT --cabrillo "$example" >"$work/both.txt" 2>&1
tail -1 "$work/both.txt" | grep -q "^sarnet-score: wrote $work/YO8SRN.cbr$"
grep -A1 '^Scored by the Sarnet Contest statistics plug-in$' "$work/both.txt" |
  tail -1 | grep -q '^sarnet-score: Output: File produced: YO8SRN.cbr$'
echo "example scored as expected"
