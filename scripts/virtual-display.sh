#!/usr/bin/env bash
# Makes sure a virtual display runs: Xvfb on the given display, unless it already answers.
# Usage: virtual-display.sh :N
set -u
display=$1
socket=/tmp/.X11-unix/X${display#:}
if ! [ -e "$socket" ]; then
  (Xvfb "$display" -screen 0 1280x1024x24 -maxclients 1024 -nolisten tcp >/dev/null 2>&1 &)
  for _ in $(seq 100); do [ -e "$socket" ] && break; sleep 0.1; done
fi
