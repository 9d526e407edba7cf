# Builds for 64-bit Windows with mingw-w64. On Debian it cross-compiles with Debian's mingw-w64 (posix
# threads, for std::thread and std::mutex) and runs the programs it builds through Wine wherever CMake or
# CTest has to run one. On Windows itself it uses the MinGW-w64 compilers on PATH and builds natively.

# The .exe files must run on their own on a Windows machine without mingw's runtime DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

if(CMAKE_HOST_WIN32)
  return()
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Libraries for Windows only: mingw's own, and a Qt for Windows when the GUI is built (TARNIX_WINDOWS_QT).
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TARNIX_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(TARNIX_WINE wine)
if(TARNIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNIX_WINE})
endif()
