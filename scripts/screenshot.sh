#!/usr/bin/env bash
# Starts kelvaro.exe under Wine in the current X display, saves a picture of
# its window, and ends it.
#
#   screenshot.sh OUTPUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
output="$1"

export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
scripts/prepare-wine-prefix.sh "$WINEPREFIX"

wine build/windows/kelvaro.exe >/dev/null 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Kelvaro$' | head -1)
sleep 1 # let it finish painting
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
xdotool key alt+F4
wait "$program"
echo "Saved $output"
