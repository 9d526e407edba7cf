# The Windows zip: tarnix-cli.exe (linked statically, so it needs no DLLs beside it), the README and the
# licence. Only the Windows build includes this, so the Linux packaging keeps its own CPack settings.
install(TARGETS tarnix-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tarnix-cli)
set(CPACK_PACKAGE_VENDOR Tarnix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Command-line editor of FIFA99 jersey archives")
set(CPACK_PACKAGE_FILE_NAME "tarnix-cli-${PROJECT_VERSION}-windows-x64")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
