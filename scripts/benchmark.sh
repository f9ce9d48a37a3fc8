#!/usr/bin/env bash
# Installs what is missing, builds, and prints Kelvaro's performance figures:
# the derivation against OpenSSL's MD5, and the Windows program under Wine.
# docs/PERFORMANCE.md holds the latest figures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs" --target derivation_benchmark >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs" --target kelvaro kelvaro-cli bare_window probe >/dev/null

echo "== Derivation (native, $(nproc) cores, one used)"
build/native/bench/derivation_benchmark

echo "== Windows program under Wine"
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
scripts/with-display.sh bash -c 'scripts/prepare-wine-prefix.sh "$WINEPREFIX" && scripts/start-wine-server.sh &&
  python3 bench/window_benchmark.py build/windows/kelvaro.exe build/windows/bench/bare_window.exe \
    build/windows/tests/helpers/probe.exe build/windows/kelvaro-cli.exe'
