#!/usr/bin/env bash
# Runs the Windows build's tests under Wine; called by test.sh inside an X
# display of its own. Ends every Wine server the tests started.
set -euo pipefail
cd "$(dirname "$0")/.."

stop_wine() {
  for prefix in build/windows/wineprefix*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k >/dev/null 2>&1 || true
  done
}
trap stop_wine EXIT

export WINEPREFIX="$PWD/build/windows/wineprefix"
scripts/prepare-wine-prefix.sh "$WINEPREFIX"
scripts/start-wine-server.sh
# One test at a time: the tests share one Wine prefix and one display, and
# Wine programs starting in parallel slow each other down.
ctest --preset windows
