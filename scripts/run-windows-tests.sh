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

scripts/prepare-wine-prefix.sh "$PWD/build/windows/wineprefix"
ctest --preset windows -j"$(nproc)"
