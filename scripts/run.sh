#!/usr/bin/env bash
# Installs what is missing, builds Kelvaro, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

exec build/native/kelvaro-cli
