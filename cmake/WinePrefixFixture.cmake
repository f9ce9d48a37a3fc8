# kelvaro_wine_prefix_fixture(<name> <prefix> [<dpi>]): CTest fixture <name> that
# prepares a Wine prefix of its own before the tests that require it and ends
# its Wine server after them, should they not have done so.
#
# Tests in such a prefix run in an X display of their own as well
# (scripts/with-display.sh): a second Wine desktop on the display of the
# other tests stalls their programs.
function(kelvaro_wine_prefix_fixture name prefix)
  add_test(NAME prepare_${name}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/prepare-wine-prefix.sh ${prefix} ${ARGN})
  add_test(NAME stop_${name}
    COMMAND sh -c "WINEPREFIX='${prefix}' wineserver -k || true")
  set_tests_properties(prepare_${name} PROPERTIES FIXTURES_SETUP ${name})
  set_tests_properties(stop_${name} PROPERTIES FIXTURES_CLEANUP ${name})
endfunction()
