#!/usr/bin/env bash
# Runs the Cabrillo file that the export writes (the golden file its unit test compares
# byte for byte) through TrustedQSL's converter: every RY QSO line must be accepted, and a
# wrong date must not be.
# Usage: cabcheck.sh SRC_DIR BUILD_DIR
set -euo pipefail
src_dir=$1
build_dir=$2
tqsl_home=$(mktemp -d)
trap 'rm -rf "$tqsl_home"' EXIT
status=0
for log in "$src_dir"/tests/data/cabrillo/*.cbr; do
  expected=$(grep -c '^QSO: .* RY ' "$log" || true)
  set +e
  output=$(TQSLDIR="$tqsl_home" "$build_dir/bin/tqsl_log_check" -c 8 "$log")
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
# The checker itself must reject what is wrong: the golden file with a month 13.
bad=$tqsl_home/bad-date.cbr
sed '0,/2018-03-04/s//2018-13-04/' "$src_dir/tests/data/cabrillo/YO9XYZ_P.cbr" >"$bad"
if TQSLDIR="$tqsl_home" "$build_dir/bin/tqsl_log_check" -c 8 "$bad" >/dev/null; then
  echo "FAIL: a QSO dated 2018-13-04 was accepted" >&2
  status=1
fi
exit $status
