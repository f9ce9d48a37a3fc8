#!/usr/bin/env bash
# Installs what is missing, builds Kelvaro for Linux and for Windows, and runs
# every test: natively, with sanitizers and fuzzing, and the Windows
# executables under Wine in an X display of their own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

# The native tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a minute of fuzzing.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
scripts/with-display.sh scripts/run-windows-tests.sh
