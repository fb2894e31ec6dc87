#!/usr/bin/env bash
# What a fresh machine gets installed: for the main job (install-deps.sh --score, which
# scripts/run-example.sh calls) only the compiler, CMake, CLI11 and the country file; for the
# test command everything, Wine, MinGW and Chromium included. The package tools are stand-ins
# that report every package missing and log what would be installed. The scoring build then
# configures without the test and benchmark libraries.
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/scripts" "$work/build/tools/node_modules/adif-parser-ts"
: >"$work/build/tools/node_modules/adif-parser-ts/package.json"
cp "$src/scripts/install-deps.sh" "$work/scripts/"
for tool in dpkg-query dpkg apt-get sudo; do
  cat >"$work/bin/$tool" <<EOF
#!/bin/sh
echo "$tool \$*" >>"$work/calls.log"
[ "$tool" = sudo ] && exec "\$@"
[ "$tool" = dpkg-query ] && exit 1
exit 0
EOF
  chmod +x "$work/bin/$tool"
done
installs() {
  : >"$work/calls.log"
  PATH="$work/bin:$PATH" bash "$work/scripts/install-deps.sh" "$@" >/dev/null
  grep '^apt-get install' "$work/calls.log" | tr ' ' '\n'
}

installs --score >"$work/score.txt"
for package in cmake g++ make libcli11-dev hamradio-files; do
  grep -qx -- "$package" "$work/score.txt" || { echo "--score does not install $package"; exit 1; }
done
if grep -E 'wine|mingw|chromium|gtest|benchmark|clang|nodejs|trustedqsl' "$work/score.txt"; then
  echo "--score installs test tools"
  exit 1
fi
! grep -q 'add-architecture' "$work/calls.log" || { echo "--score adds the i386 architecture"; exit 1; }
installs >"$work/all.txt"
for package in cmake wine32:i386 g++-mingw-w64-i686-posix chromium libgtest-dev trustedqsl; do
  grep -qx -- "$package" "$work/all.txt" || { echo "the test set lacks $package"; exit 1; }
done
grep -q 'dpkg --add-architecture i386' "$work/calls.log"

# The scoring build needs neither GoogleTest nor Google Benchmark.
cmake -S "$src" -B "$work/scoring" -DCMAKE_BUILD_TYPE=Release -DSTATS_BUILD_TESTS=OFF \
  -DSTATS_BUILD_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work/configure.txt" 2>&1 ||
  { cat "$work/configure.txt"; exit 1; }
grep -q -- '-DSTATS_BUILD_TESTS=OFF -DSTATS_BUILD_BENCH=OFF' "$src/scripts/run-example.sh"
grep -q -- 'install-deps.sh" --score' "$src/scripts/run-example.sh"
echo "the main job installs only what scoring needs"
