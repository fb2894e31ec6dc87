#!/usr/bin/env bash
# Scores the bundled example log: builds what is missing (native-release preset), runs
# sarnet-score on examples/sarnet-example.adi and names the files it wrote.
# Extra arguments go to sarnet-score (e.g. --html, --cabrillo, --check YO3ABC).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/native-release
out=${SARNET_OUT:-$root/build/example-output}

# Only what scoring needs: the test tools (Wine, MinGW, Chromium...) are the test command's.
if ! command -v cmake >/dev/null || ! command -v g++ >/dev/null || ! command -v make >/dev/null ||
   [ ! -e /usr/include/CLI/CLI.hpp ] || [ ! -e /usr/share/hamradio-files/cty.dat ]; then
  "$root/scripts/install-deps.sh" --score
fi
# A first configuration leaves out the tests and benchmarks, whose libraries a scoring machine
# need not have; the test command's own configuration of the preset turns them on again.
if [ ! -e "$build/CMakeCache.txt" ]; then
  cmake --preset native-release -S "$root" -DSTATS_BUILD_TESTS=OFF -DSTATS_BUILD_BENCH=OFF \
    >/dev/null
fi
cmake --build "$build" -j2 --target sarnet-score Stats >/dev/null

mkdir -p "$out"
echo "Scoring $root/examples/sarnet-example.adi (files go to $out):"
echo
status=0
"$build/bin/sarnet-score" --suffix NT --workdir "$out" --report "$out/sarnet-example.html" \
  "$@" "$root/examples/sarnet-example.adi" >"$out/summary.txt" 2>"$out/notes.txt" || status=$?
tr -d '\r' <"$out/summary.txt"
echo
echo
sed 's/^sarnet-score: //' "$out/notes.txt"
exit "$status"
