#!/usr/bin/env bash
# Installs what is missing, builds Kelvaro, and starts it under Wine on your
# display. Without a display it runs the program in a display of its own and
# saves a picture of the window to docs/screenshot.png instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

if [ -n "${DISPLAY:-}" ]; then
  # Your own Wine prefix; Wine is told not to offer Mono and Gecko downloads.
  WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" exec wine build/windows/kelvaro.exe
fi
scripts/with-display.sh scripts/screenshot.sh docs/screenshot.png
