#!/usr/bin/env bash
# Starts the Wine server of $WINEPREFIX and Wine's own services for the
# current display, to stay until "wineserver -k". Their output goes nowhere:
# a server started by a test would inherit the test's output pipe and keep
# CTest waiting for it.
set -euo pipefail
export WINEDEBUG=-all
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1
