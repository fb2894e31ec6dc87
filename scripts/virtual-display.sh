#!/usr/bin/env bash
# Makes sure a virtual display runs: Xvfb on the given display, unless it already answers.
# Prints the process id of the Xvfb it started (nothing when the display was already there),
# so that the caller stops only what it started.
# Usage: virtual-display.sh :N
set -u
display=$1
if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1280x1024x24 -maxclients 1024 -nolisten tcp >/dev/null 2>&1 &
  echo $!
  for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
fi
