#!/usr/bin/env bash
# Logs in the shapes real loggers write them, through sarnet-score: a Cabrillo log with a
# byte-order mark, CRLF, fixed columns, a transmitter id, comments after the exchange, a
# missing exchange, lower case and one QSO entered three times in one minute scores exactly
# as its tidy ADIF equivalent, and its page keeps its charts; an RTTY contest's log is named
# for what it is, with the reason it scores 0.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() {
  local name=$1
  shift
  mkdir -p "$work/$name"
  "$score" --plugin "$build/bin/libStats.so" --workdir "$work/$name" "$@" \
    >"$work/$name.txt" 2>"$work/$name.err"
}
field() { printf '<%s:%d>%s' "$1" ${#2} "$2"; }

printf '\xEF\xBB\xBFSTART-OF-LOG: 3.0\r\nCALLSIGN: YO8SRN\r\nCATEGORY-MODE: DIGI\r\n' >"$work/op.cbr"
cat >>"$work/op.cbr" <<'EOF'
QSO:  3580 RY 2026-12-06 1600 YO8SRN        599 001NT  YO3ABC        599 012 BV  0
QSO:  3581 RY 2026-12-06 1601 YO8SRN        599 002NT  dl1abc        599 005     0
QSO:  3581 RY 2026-12-06 1601 YO8SRN        599 003NT  DL1ABC        599 005   dupe 0
QSO:  3581 RY 2026-12-06 1601 YO8SRN        599 004NT  DL1ABC        599 005   dupe 0
QSO:  3582 RY 2026-12-06 1603 YO8SRN        599 005NT  OK1XY                   0
QSO:  3583 RY 2026-12-06 1604 YO8SRN/P      599 006NT  YO9LQA        599 020CJ   0
END-OF-LOG:
EOF
sed -i 's/$/\r/' "$work/op.cbr"
{
  echo "tidy <EOH>"
  while read -r time khz own sent call rst rcvd; do
    field CALL "$call"; field QSO_DATE 20261206; field TIME_ON "$time"; field FREQ "3.$khz"
    field MODE BPSK31; field RST_SENT 599; field STX_STRING "$sent"
    [ "$rst" = - ] || field RST_RCVD "$rst"
    [ "$rcvd" = - ] || field SRX_STRING "${rcvd/_/ }"
    field STATION_CALLSIGN "$own"; echo "<EOR>"
  done <<'EOF'
1600 580 YO8SRN 001NT YO3ABC 599 012_BV
1601 581 YO8SRN 002NT DL1ABC 599 005
1601 581 YO8SRN 003NT DL1ABC 599 005
1601 581 YO8SRN 004NT DL1ABC 599 005
1603 582 YO8SRN 005NT OK1XY - -
1604 583 YO8SRN/P 006NT YO9LQA 599 020CJ
EOF
} >"$work/tidy.adi"

run tidy "$work/tidy.adi"
run op --report "$work/op.html" "$work/op.cbr"
cmp "$work/tidy.txt" "$work/op.txt" || { diff "$work/tidy.txt" "$work/op.txt"; exit 1; }
cmp "$work/tidy/BadQSO_StatsSarnet_06_12_2026.txt" "$work/op/BadQSO_StatsSarnet_06_12_2026.txt"
grep -q '^Dupe	 2' "$work/op.txt" || { cat "$work/op.txt"; exit 1; }
grep -q '"RY" on 6 QSOs (RY is Cabrillo' "$work/op.err"
grep -q '1 call upper-cased' "$work/op.err"
grep -q 'line 6: "dupe" after the received exchange is taken for a comment, not a part of it (and on 1 more lines alike)' "$work/op.err"
! grep -q 'do not account' "$work/op.err" || { cat "$work/op.err"; exit 1; }
grep -q '<svg' "$work/op.html"

# Another contest's log: RTTY on 80 and 40 m, with a district code as the exchange.
cat >"$work/rtty.cbr" <<'EOF'
START-OF-LOG: 3.0
CALLSIGN: DK2ZZ
CONTEST: SHORT-RTTY
CATEGORY-MODE: RTTY
QSO:  3585 RY 2026-12-06 1600 DK2ZZ         599 C25    DH8WG         599 X13
QSO:  3587 RY 2026-12-06 1601 DK2ZZ         599 C25    DL5ABC        599 Q05
QSO:  3588 RY 2026-12-06 1603 DK2ZZ         599 C25    DF1XX
QSO:  7040 RY 2026-12-06 1700 DK2ZZ         599 C25    OK1XYZ        599 014
QSO:  7041 RY 2026-12-06 1701 DK2ZZ         599 C25    S51AB         599 V20
END-OF-LOG:
EOF
run rtty "$work/rtty.cbr"
grep -q 'Score: 0\*' "$work/rtty.txt"
grep -q '5 QSOs in mode RY read as RTTY, as the log.s header says it is an RTTY log' "$work/rtty.err"
grep -q 'warning: 0 of 5 QSOs are 80 m BPSK31 (80m RY 3, 40m RY 2): is this a Sarnet Contest log?' "$work/rtty.err"
grep -q 'warning: the score is 0: the plug-in counted none of the 5 QSOs (its report: wrong mode 3, wrong band 2)' "$work/rtty.err"
# The worked calls, never the district code sent, in the plug-in's report.
[ "$(grep -c -E '  C25  (DH8WG|DL5ABC|DF1XX|OK1XYZ|S51AB)  ' "$work/rtty/BadQSO_StatsSarnet_06_12_2026.txt")" = 5 ]
echo "real loggers' shapes read and named"
