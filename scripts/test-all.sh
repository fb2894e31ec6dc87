#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: formatting, the native
# suite with AddressSanitizer + UBSan, the ThreadSanitizer run, the release build with its
# benchmarks built, the fuzzers for a bounded time, and the Windows suites against the shipped
# i686 build under 32-bit Wine on a virtual display (x86_64 under wine64 where this machine
# cannot run 32-bit programs). The x86_64 Windows build is always compiled.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-$(nproc)}

bash scripts/install-deps.sh

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

failed=()
build_preset() {
    echo "== $1 (build) $(date +%T)"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}
test_preset() {
    local preset=$1; shift
    echo "== $preset (tests) $(date +%T)"
    ctest --preset "$preset" -j "$jobs" "$@" || failed+=("$preset")
}

build_preset native-debug
test_preset native-debug
build_preset native-tsan
test_preset native-tsan -L concurrency
build_preset native-release
test_preset native-release

echo "== fuzzers"
bash scripts/run-fuzzers.sh "${FUZZ_SECONDS:-45}" || failed+=(fuzz)

# Windows programs run on a private virtual display and a private Wine prefix under each build
# folder; the display is stopped at the end when this run started it.
export WINEDEBUG=-all
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:95
    xvfb_pid=$(bash scripts/virtual-display.sh "$DISPLAY")
    [ -n "$xvfb_pid" ] && trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
fi

build_preset win32
build_preset win64
if bash scripts/probe-wine32.sh "$root/build/win32/wineprefix"; then
    test_preset win32
else
    echo "This machine does not run 32-bit Windows programs: running the x86_64 suites under wine64 instead."
    test_preset win32 -R dll.export_table
    test_preset win64
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED presets: ${failed[*]}"
    exit 1
fi
echo "All presets passed. $(date +%T)"
