#!/usr/bin/env bash
# Creates or updates a Wine prefix for Kelvaro's tests, once, before the tests
# that use it start, so that they do not race to create it. Uses no display:
# Wine started here stays off the X display of running tests.
#
#   prepare-wine-prefix.sh PREFIX [DPI]
#
# Wine draws the window frames itself (there is no window manager in the test
# display), so a test can click a close box. DPI sets the screen's
# resolution in dots per inch (96 unless given).
set -euo pipefail
export WINEPREFIX="$1"
dpi="${2:-96}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

# Whatever still runs in this prefix goes: the prefix is the tests' own.
wineserver -k >/dev/null 2>&1 || true
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# A crash ends the program instead of waiting in Wine's debugger dialog.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
# Debian's Wine does not find its own fonts (Tahoma, Marlett for the caption
# buttons) where fonts-wine puts them.
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
