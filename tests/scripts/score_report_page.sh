#!/usr/bin/env bash
# The --report page, of the bundled example and of a demanding log (two days, calls and
# exchanges far longer than any real one, texts that need escaping, a hundred countries,
# every kind of rejected QSO), is valid HTML; rendered by headless Chromium in a window
# 1200 pixels wide, nothing on it reaches past the window and no chart text leaves its chart.
set -euo pipefail
src=$1 build=$2
score=$build/bin/sarnet-score
chromium=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$chromium" ]; then
  echo "chromium is not installed: run scripts/install-deps.sh"
  exit 1
fi
python=
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import html5lib' 2>/dev/null; then python=$candidate; break; fi
done
if [ -z "$python" ]; then
  echo "python3-html5lib is not installed: run scripts/install-deps.sh"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$python" - "$work/hard.adi" <<'PY'
import random, sys
rng = random.Random(12)
prefixes = ("DL1 F5 G4 I2 EA3 OK1 OM3 SP5 HA5 LZ1 UR5 UA3 YU1 9A2 S51 E73 Z31 SV1 TA1 4X1 JA1 "
            "W1 VE3 PY2 LU1 ZS6 VK2 ZL1 VU2 BY1 HL1 BV1 9M2 HS1 YB1 KH6 KL7 CE3 CX1 OA4 HK3 "
            "YV5 XE1 CO2 5B4 9H1 OH2 SM5 LA1 OZ1 TF3 EI2 GM3 GW4 ON4 PA3 LX1 HB9 OE3 YL2 LY2 "
            "ES1 ER1 4O3 Z6 T7 3A2 HV0 C31 ZB2 CT1 EA8 CT3 EA6 IS0 IT9 SV9 UA9 UN7 4L1 EK6 "
            "4K6 EX8 EY8 UK8 A41 A6 A7 HZ1 OD5 JY1 YI1 EP2 AP2 S21 4S7 8Q7 9N1 JT1").split()
counties = "AB AG AR BC BH BN BT BR BV BU BZ CJ CL CS CT CV DB DJ GJ GL GR HD HR IF".split()
def field(name, value):
    return f"<{name}:{len(value.encode())}>{value}"
def record(call, day, minute, rcvd, band="80m", freq="3.580", mode="PSK", sub="BPSK31"):
    return (field("CALL", call) + field("QSO_DATE", f"202612{day:02d}") +
            field("TIME_ON", f"{minute // 60:02d}{minute % 60:02d}") + field("BAND", band) +
            field("FREQ", freq) + field("MODE", mode) + (field("SUBMODE", sub) if sub else "") +
            field("STX_STRING", "001") + (field("SRX_STRING", rcvd) if rcvd else "") +
            field("STATION_CALLSIGN", "YO8SRN") + "<EOR>\n")
out = ["demanding log <EOH>\n"]
minute = 16 * 60
for i in range(900):
    minute += rng.randint(1, 3)
    day, at = 6 + minute // 1440, minute % 1440
    if i % 3 == 0:
        call = "YO%d%s" % (rng.randint(2, 9), "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3)))
        out.append(record(call, day, at, "%03d%s" % (i % 999, rng.choice(counties))))
    else:
        call = prefixes[i % len(prefixes)] + "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3))
        out.append(record(call, day, at, "%03d" % (i % 999)))
long_call = "YO9ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ/QRP"
long_exchange = "0123456789" * 25 + "BV"
for rcvd, band, mode, sub, call in (
        (long_exchange, "80m", "PSK", "BPSK31", long_call), (long_exchange, "80m", "PSK", "BPSK31", long_call),
        ("005", "40m", "PSK", "BPSK31", "DL1<b>&X"), ("006", "80m", "CW", "", "F5&amp;"),
        ("", "80m", "PSK", "BPSK31", "OK1\"Q'"), ("012XY", "80m", "PSK", "BPSK31", "YO3XYQ")):
    minute += 2
    out.append(record(call, 7, minute % 1440, rcvd, band, "7.040" if band == "40m" else "3.580", mode, sub))
open(sys.argv[1], "w").write("".join(out))
PY

"$score" --plugin "$build/bin/libStats.so" --suffix NT --workdir "$work" \
  --report "$work/hard.html" "$work/hard.adi" >/dev/null 2>"$work/notes.txt" || {
  cat "$work/notes.txt"; exit 1; }
"$score" --plugin "$build/bin/libStats.so" --suffix NT --workdir "$work" \
  --report "$work/example.html" "$src/examples/sarnet-example.adi" >/dev/null 2>&1

# Every part of the page is there.
for part in 'QSOs and points per hour' 'Score over time' 'Counties: ' 'DXCC prefixes: ' \
  'Rejected QSOs: ' '>Time (UTC)<' '>2026-12-07<'; do
  grep -q -F -- "$part" "$work/hard.html" || { echo "the page lacks: $part"; exit 1; }
done
grep -q -F 'QSOs and points per 10 minutes' "$work/example.html"
[ "$(grep -c 'class="county' "$work/hard.html")" = 42 ] || { echo "not 42 counties"; exit 1; }

# Valid HTML: the HTML5 parser meets no error in it.
"$python" - "$work/hard.html" "$work/example.html" <<'PY'
import html5lib, sys
for path in sys.argv[1:]:
    parser = html5lib.HTMLParser(strict=True)
    try:
        parser.parse(open(path, "rb").read())
    except html5lib.html5parser.ParseError as error:
        sys.exit(f"{path}: not valid HTML: {error}")
PY

# The check runs in the page itself and leaves its verdict on the body.
check='<script>
(function () {
  var problems = [];
  var width = document.documentElement.clientWidth;
  if (document.documentElement.scrollWidth > width) {
    problems.push("the page is " + document.documentElement.scrollWidth + " px wide");
  }
  document.body.querySelectorAll("*").forEach(function (element) {
    var box = element.getBoundingClientRect();
    if (box.width > 0 && (box.left < -0.5 || box.right > width + 0.5)) {
      problems.push(element.tagName + " reaches " + Math.round(box.right) + " px");
    }
  });
  // Text that runs out of its box is no element of its own: its lines are measured too,
  // except where a box clips its content (the ellipsis of long country names).
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (var node = walker.nextNode(); node; node = walker.nextNode()) {
    var clipped = false;
    for (var up = node.parentElement; up; up = up.parentElement) {
      if (getComputedStyle(up).overflowX !== "visible") { clipped = true; break; }
    }
    var range = document.createRange();
    range.selectNodeContents(node);
    var rect = range.getBoundingClientRect();
    if (!clipped && rect.width > 0 && rect.right > width + 0.5) {
      problems.push("text " + node.textContent.slice(0, 20) + " reaches " + Math.round(rect.right) + " px");
    }
  }
  document.querySelectorAll("svg").forEach(function (svg) {
    var frame = svg.getBoundingClientRect();
    svg.querySelectorAll("text").forEach(function (text) {
      var box = text.getBoundingClientRect();
      if (box.left < frame.left - 0.5 || box.right > frame.right + 0.5 ||
          box.top < frame.top - 0.5 || box.bottom > frame.bottom + 0.5) {
        problems.push("chart text " + text.textContent + " leaves its chart");
      }
    });
  });
  document.body.setAttribute("data-overflow", problems.length ? problems.slice(0, 8).join("; ") : "none");
})();
</script>'
for page in hard example; do
  awk -v check="$check" '/<\/body>/ { print check } { print }' "$work/$page.html" >"$work/$page-check.html"
  timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/chromium-$page" --window-size=1200,1000 \
    --dump-dom "file://$work/$page-check.html" >"$work/$page-dom.html" 2>/dev/null
  if ! grep -q 'data-overflow="none"' "$work/$page-dom.html"; then
    echo "$page page in 1200 px: $(grep -o 'data-overflow="[^"]*"' "$work/$page-dom.html" || echo 'not rendered')"
    exit 1
  fi
done
echo "report pages are valid HTML and fit a 1200-pixel-wide window"
