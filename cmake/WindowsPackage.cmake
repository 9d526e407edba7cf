# The Windows zip. Without the GUI: tarnix-cli.exe (linked statically, so it needs no DLLs beside it), the
# README and the licence. With it: tarnix.exe too, and everything it loads, so that the unpacked folder runs
# on its own. A cross-build has no windeployqt, so the files are named here. Only the Windows build includes
# this, so the Linux packaging keeps its own CPack settings.
install(TARGETS tarnix-cli RUNTIME DESTINATION . COMPONENT windows_zip)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT windows_zip)

if(TARGET tarnix)
  install(TARGETS tarnix RUNTIME DESTINATION . COMPONENT windows_zip)
  # Qt's DLLs and the plugins the program loads: the platform, the native style and the image formats.
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
          DESTINATION . COMPONENT windows_zip)
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms COMPONENT windows_zip)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles COMPONENT windows_zip)
  install(FILES $<TARGET_FILE:Qt6::QGifPlugin> $<TARGET_FILE:Qt6::QICOPlugin> $<TARGET_FILE:Qt6::QJpegPlugin>
          DESTINATION imageformats COMPONENT windows_zip)
  # The compiler's runtime, which Qt's DLLs import (tarnix.exe itself links it statically).
  find_file(TARNIX_LIBSTDCXX_DLL libstdc++-6.dll PATHS /usr/lib/gcc/x86_64-w64-mingw32/12-posix NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_file(TARNIX_LIBGCC_DLL libgcc_s_seh-1.dll PATHS /usr/lib/gcc/x86_64-w64-mingw32/12-posix NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_file(TARNIX_WINPTHREAD_DLL libwinpthread-1.dll PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  foreach(dll TARNIX_LIBSTDCXX_DLL TARNIX_LIBGCC_DLL TARNIX_WINPTHREAD_DLL)
    if(NOT ${dll})
      message(FATAL_ERROR "${dll}: the mingw-w64 runtime DLL is missing (g++-mingw-w64-x86-64-posix)")
    endif()
  endforeach()
  # Debian's copies carry their symbols (libstdc++ is 23 MB with them): the zip takes stripped ones.
  set(runtime_dlls)
  foreach(dll ${TARNIX_LIBSTDCXX_DLL} ${TARNIX_LIBGCC_DLL} ${TARNIX_WINPTHREAD_DLL})
    get_filename_component(dll_name ${dll} NAME)
    set(stripped ${CMAKE_BINARY_DIR}/runtime/${dll_name})
    if(NOT EXISTS ${stripped} OR ${dll} IS_NEWER_THAN ${stripped})
      file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/runtime)
      execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${dll} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND runtime_dlls ${stripped})
  endforeach()
  install(FILES ${runtime_dlls} DESTINATION . COMPONENT windows_zip)
  # Qt's licence: the notice naming its source, and the texts it refers to.
  install(FILES ${PROJECT_SOURCE_DIR}/data/windows/LICENSE.Qt.txt DESTINATION . COMPONENT windows_zip)
  install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME LGPL-3.txt COMPONENT windows_zip)
  install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME GPL-3.txt COMPONENT windows_zip)
  set(CPACK_PACKAGE_NAME tarnix)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor of FIFA99 jersey archives")
else()
  set(CPACK_PACKAGE_NAME tarnix-cli)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Command-line editor of FIFA99 jersey archives")
endif()

# Only what is named here: the rules of the Linux installation (bin/, share/) stay out of the zip.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL windows_zip)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_VENDOR Tarnix)
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
if(TARGET tarnix)
  # The installer (cpack -G NSIS): the zip's files, through the template in cmake/nsis.
  list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/nsis/CPackInstaller.cmake)
endif()
include(CPack)
