#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for a bounded time on its
# seed corpus, one after the other. Usage: run-fuzzers.sh [SECONDS_PER_TARGET]. Fails on any
# finding. FUZZ_TARGETS="entry_points ini_text" picks targets and their order (default: all).
# With KEEP_CORPUS=DIR the corpus each run grew is minimized into DIR/<target> (libFuzzer's
# -merge=1), ready to replace the seeds in fuzz/corpus/.
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
targets=()
for target in ${FUZZ_TARGETS:-$(cd build/fuzz/bin && ls fuzz_* | sed 's/^fuzz_//')}; do
    targets+=("build/fuzz/bin/fuzz_$target")
done
for target in "${targets[@]}"; do
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
    grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec|^Done ' \
        "$work/$name.log" || true
    grep -E '^#[0-9]+.*(DONE|pulse)' "$work/$name.log" | tail -1 || true
    if [ -n "${KEEP_CORPUS:-}" ]; then
        mkdir -p "$KEEP_CORPUS/${name#fuzz_}"
        (cd "$work" && "$root/$target" -merge=1 -max_len=4096 -close_fd_mask=2 \
            "$KEEP_CORPUS/${name#fuzz_}" "$work/$name" "$seeds" >"$work/$name.merge.log" 2>&1) ||
            { status=1; echo "merge failed for $name"; tail -5 "$work/$name.merge.log"; }
    fi
done
exit $status
