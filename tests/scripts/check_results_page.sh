#!/usr/bin/env bash
# The cross-check's published pages, of the bundled example contest: valid HTML, standalone (no
# script, nothing fetched), and rendered by headless Chromium 1200 pixels wide and at a phone's
# 390, nothing reaches past the window but inside a table that scrolls in its own box.
set -euo pipefail
src=$1 build=$2
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

"$build/bin/sarnet-check" --plugin "$build/bin/libStats.so" --start "2026-12-06 16:00" \
  --end "2026-12-06 20:00" --out "$work/out" "$src/examples/check-contest/logs" >/dev/null
pages=("$work/out/index.html" "$work/out/YO5KGU.html")
for page in "${pages[@]}"; do
  if grep -q -i -E '<script|src=|https?:' "$page"; then
    echo "$page is not standalone"; exit 1
  fi
done
"$python" - "${pages[@]}" <<'PY'
import html5lib, sys
for path in sys.argv[1:]:
    try:
        html5lib.HTMLParser(strict=True).parse(open(path, "rb").read())
    except html5lib.html5parser.ParseError as error:
        sys.exit(f"{path}: not valid HTML: {error}")
PY

check='<script>
(function () {
  var problems = [];
  var width = document.documentElement.clientWidth;
  if (document.documentElement.scrollWidth > width) {
    problems.push("the page is " + document.documentElement.scrollWidth + " px wide");
  }
  function scrolls(element) {
    for (var up = element.parentElement; up; up = up.parentElement) {
      if (getComputedStyle(up).overflowX !== "visible") { return true; }
    }
    return false;
  }
  document.body.querySelectorAll("*").forEach(function (element) {
    var box = element.getBoundingClientRect();
    if (box.width > 0 && !scrolls(element) && (box.left < -0.5 || box.right > width + 0.5)) {
      problems.push(element.tagName + " reaches " + Math.round(box.right) + " px");
    }
  });
  document.body.setAttribute("data-overflow", problems.length ? problems.slice(0, 8).join("; ") : "none");
})();
</script>'
run=0
for page in "${pages[@]}"; do
  for size in 1200,1000 390,800; do
    run=$((run + 1))
    awk -v check="$check" '/<\/body>/ { print check } { print }' "$page" >"$work/check.html"
    timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
      --disable-background-networking --disable-component-update --disable-sync \
      --user-data-dir="$work/chromium-$run" --window-size=$size \
      --dump-dom "file://$work/check.html" >"$work/dom.html" 2>/dev/null
    if ! grep -q 'data-overflow="none"' "$work/dom.html"; then
      echo "$(basename "$page") at ${size%,*} px: $(grep -o 'data-overflow="[^"]*"' "$work/dom.html" || echo 'not rendered')"
      exit 1
    fi
  done
done
