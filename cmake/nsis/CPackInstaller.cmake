# Read by cpack for each generator. The installer carries exactly the zip's files: one monolithic
# installation of the windows_zip component, named tarnix-VERSION-setup.exe.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "tarnix-${CPACK_PACKAGE_VERSION}-setup")
  set(CPACK_MONOLITHIC_INSTALL ON)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  string(REPLACE ";ALL;" ";windows_zip;" CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_INSTALL_CMAKE_PROJECTS}")
endif()
