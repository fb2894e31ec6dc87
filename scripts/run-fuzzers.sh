#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for a bounded time on its
# seed corpus. Usage: run-fuzzers.sh [SECONDS_PER_TARGET]. Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${JOBS:-$(nproc)}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
# UBSan findings stop the run like ASan findings do.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
for target in build/fuzz/bin/fuzz_*; do
    name=$(basename "$target")
    seeds="$root/fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work/$name"
    echo "== $name (${seconds}s)"
    if ! (cd "$work" && "$root/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -close_fd_mask=2 "$work/$name" "$seeds" \
            >"$work/$name.log" 2>&1); then
        status=1
        echo "FINDING in $name:"
        tail -40 "$work/$name.log"
    fi
    grep -E '^stat::number_of_executed_units|^Done ' "$work/$name.log" || true
done
exit $status
