# The portable release: a zip with both programs, the README and the licence,
# and its SHA-256 beside it (cmake --build --preset windows --target package).
install(TARGETS kelvaro kelvaro-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_FILE_NAME "kelvaro-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
