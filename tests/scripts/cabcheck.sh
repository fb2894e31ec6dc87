#!/usr/bin/env bash
# Runs the Cabrillo file that the export writes (the golden file its unit test compares
# byte for byte) through TrustedQSL's Cabrillo parser: every RY QSO line must be accepted.
# Usage: cabcheck.sh SRC_DIR BUILD_DIR
set -euo pipefail
src_dir=$1
build_dir=$2
tool_dir="$src_dir/../shared/tools/cabcheck"
if [ ! -f "$tool_dir/cabcheck.c" ]; then
  echo "cabcheck sources not found at $tool_dir" >&2
  exit 1
fi
checker="$build_dir/cabcheck"
if [ ! -x "$checker" ] || [ "$tool_dir/cabcheck.c" -nt "$checker" ]; then
  sh "$tool_dir/build.sh" "$checker"
fi

tqsl_home=$(mktemp -d)
trap 'rm -rf "$tqsl_home"' EXIT
status=0
for log in "$src_dir"/tests/data/cabrillo/*.cbr; do
  expected=$(grep -c '^QSO: .* RY ' "$log" || true)
  set +e
  output=$(TQSLDIR="$tqsl_home" "$checker" -c 8 "$log")
  rc=$?
  set -e
  accepted=$(printf '%s\n' "$output" | grep -c '^OK line' || true)
  if [ "$rc" -ne 0 ] || [ "$accepted" -ne "$expected" ] || [ "$expected" -eq 0 ]; then
    echo "FAIL $log: exit $rc, $accepted of $expected RY lines accepted" >&2
    printf '%s\n' "$output" >&2
    status=1
  else
    echo "ok $log: $accepted QSO lines accepted"
  fi
done
exit $status
