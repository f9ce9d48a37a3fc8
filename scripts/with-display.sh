#!/usr/bin/env bash
# Runs a command in an X display of its own: a new Xvfb on a free display
# number, never the user's.
#
#   with-display.sh COMMAND...
set -euo pipefail

display_number=90
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
  display_number=$((display_number + 1))
done

Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT

# Wine fails to load its display driver if it starts before the socket exists.
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X$display_number" ] && break
  sleep 0.1
done
[ -S "/tmp/.X11-unix/X$display_number" ] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=":$display_number" "$@"
