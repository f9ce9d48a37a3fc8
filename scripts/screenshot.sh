#!/usr/bin/env bash
# Starts kelvaro.exe under Wine in the current X display, derives a password
# from sample texts as a user would, saves a picture of the window, and ends it.
#
#   screenshot.sh OUTPUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
output="$1"

export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
scripts/prepare-wine-prefix.sh "$WINEPREFIX"
scripts/start-wine-server.sh

wine build/windows/kelvaro.exe >/dev/null 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Kelvaro$' | head -1)
sleep 1
# The focus starts on "Mein Passwort"; two Tabs reach the first field.
xdotool key --delay 100 Tab Tab
xdotool type --delay 40 -- "max@example.com"
xdotool key Tab
xdotool type --delay 40 -- "geheim"
xdotool key Tab
xdotool type --delay 40 -- "mail.example.com"
xdotool key --delay 100 Tab Return
sleep 1 # let it finish painting
mkdir -p "$(dirname "$output")"
import -window "$window" -strip -define png:exclude-chunks=date,time "$output"
xdotool key alt+F4
wait "$program"
echo "Saved $output"
