#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: formatting, the native
# suite with AddressSanitizer + UBSan, the ThreadSanitizer run, the release build with its
# benchmarks built, the i686 DLL's export table, and the Windows suites under wine64 + Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-$(nproc)}

bash scripts/install-deps.sh

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

failed=()
run_preset() {
    local preset=$1; shift
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs" "$@" || failed+=("$preset")
}

run_preset native-debug
run_preset native-tsan -L concurrency
run_preset native-release
run_preset win32

echo "== fuzzers"
bash scripts/run-fuzzers.sh "${FUZZ_SECONDS:-45}" || failed+=(fuzz)

# Windows programs run under wine64 on a private display with a private prefix.
export WINEDEBUG=-all
if [ -z "${DISPLAY:-}" ]; then
    display=:95
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
    export DISPLAY=$display
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
fi
run_preset win64

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED presets: ${failed[*]}"
    exit 1
fi
echo "All presets passed."
