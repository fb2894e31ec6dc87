#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the plug-in; with --score,
# only what building sarnet-score and scoring a log need (the compiler, CMake, CLI11 and the
# country file), for the main job on a machine that will not run the tests.
set -euo pipefail
score_only=0
[ "${1:-}" = --score ] && score_only=1
pkgs=(cmake g++ make libcli11-dev hamradio-files)
if [ $score_only = 0 ]; then
  pkgs+=(clang clang-format libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
         g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
         binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64 xvfb x11-apps x11-utils
         imagemagick python3 python3-html5lib trustedqsl chromium wine32:i386)
  # Node.js and npm for the third-party ADIF reader, unless the machine already has them.
  command -v node >/dev/null 2>&1 || pkgs+=(nodejs)
  command -v npm >/dev/null 2>&1 || pkgs+=(npm)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
export DEBIAN_FRONTEND=noninteractive
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
# 32-bit Windows programs run under wine32, which comes from the i386 architecture.
added_i386=0
if [ $score_only = 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  added_i386=1
fi
if [ ${#missing[@]} -gt 0 ] || [ $added_i386 -eq 1 ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ $score_only = 1 ] && exit 0

# The third-party ADIF reader the tests compare ours with, kept in the build tree so that no
# test fetches anything while it runs.
tools=$(cd "$(dirname "$0")/.." && pwd)/build/tools
if [ ! -e "$tools/node_modules/adif-parser-ts/package.json" ]; then
  mkdir -p "$tools"
  (cd "$tools" && npm install --silent --no-audit --no-fund --no-save adif-parser-ts@0.7.7 >/dev/null)
fi
