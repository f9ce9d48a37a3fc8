# CTest runs the Windows executables under Wine, in a Wine prefix of this build
# folder's own, so that tests never touch the user's ~/.wine.
set(KELVARO_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(KELVARO_WINE_ENVIRONMENT
  "WINEPREFIX=${KELVARO_WINEPREFIX}"
  "WINEDEBUG=-all"
  # Without these Wine offers to download Mono and Gecko when it makes the prefix.
  "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${KELVARO_WINE_ENVIRONMENT} wine)
