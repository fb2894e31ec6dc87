#!/usr/bin/env bash
# Makes sure a virtual display runs: Xvfb with the openbox window manager on it. Without a
# window manager Wine waits about 2 s for every shown window that is hidden or destroyed.
# Usage: virtual-display.sh :N   (nothing happens when the display already answers)
set -u
display=$1
socket=/tmp/.X11-unix/X${display#:}
if ! [ -e "$socket" ]; then
  (Xvfb "$display" -screen 0 1280x1024x24 -maxclients 1024 -nolisten tcp >/dev/null 2>&1 &)
  for _ in $(seq 100); do [ -e "$socket" ] && break; sleep 0.1; done
fi
# One window manager per display, remembered by its process id.
pidfile=/tmp/.sarnet-wm-${display#:}.pid
if command -v openbox >/dev/null && ! kill -0 "$(cat "$pidfile" 2>/dev/null)" 2>/dev/null; then
  DISPLAY=$display nohup openbox --sm-disable >/dev/null 2>&1 &
  echo $! >"$pidfile"
  sleep 0.3
fi
