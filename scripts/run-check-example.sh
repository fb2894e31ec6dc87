#!/usr/bin/env bash
# Cross-checks the bundled example contest (36 logs made by the contest simulator): builds what
# is missing (native-release preset), runs sarnet-check on examples/check-contest/logs for the
# contest period and shows the top of the results. Extra arguments go to sarnet-check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/native-release
out=${SARNET_OUT:-$root/build/check-example-output}

if ! command -v cmake >/dev/null || ! command -v g++ >/dev/null ||
   [ ! -e /usr/share/hamradio-files/cty.dat ] || [ ! -e /usr/include/CLI/CLI.hpp ]; then
  "$root/scripts/install-deps.sh"
fi
if [ ! -e "$build/CMakeCache.txt" ]; then
  cmake --preset native-release -S "$root" >/dev/null
fi
cmake --build "$build" -j2 --target sarnet-check Stats >/dev/null

"$build/bin/sarnet-check" --start "2026-12-06 16:00" --end "2026-12-06 20:00" --out "$out" \
  "$@" "$root/examples/check-contest/logs"
echo
head -6 "$out/results.csv"
echo "..."
echo
echo "Open $out/index.html; each station's report is $out/<call>.txt."
