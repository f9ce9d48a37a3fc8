# Sourced by the scripts: Wine in the Windows build's own prefix, quiet, and
# without offering to download Mono or Gecko. Matches cmake/WineEmulator.cmake.
export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creating the prefix takes a while; doing it once before any test runs keeps
# parallel tests from racing to create it.
prepare_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
}
