# Cross-builds the native Windows console program, quillary.exe, on Debian
# with MinGW-w64 (packages g++-mingw-w64-x86-64-posix and
# binutils-mingw-w64-x86-64). Tests run the Windows programs under Wine
# (package wine64), which CTest starts through the emulator set here.
#
#   cmake -S . -B build-windows \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The -posix compilers give std::thread and friends through winpthreads.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
set(CMAKE_AR ${mingw_prefix}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw_prefix}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program, the tests included, links the C++ runtime and winpthreads
# statically, so it runs on any Windows with nothing but system DLLs beside
# it, and under Wine without a path to MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# wine64 itself rather than the `wine` launcher, which looks for the 32-bit
# Wine first and complains when it is missing. Every Windows program of the
# build runs in a Wine prefix of its own inside the build folder, made on
# first use; with no display, so that making it opens no window and waits for
# none, and without Wine's debugging chatter on standard error, which the
# tests require to be empty.
find_program(QUILLARY_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT QUILLARY_WINE)
  find_program(QUILLARY_WINE NAMES wine64 wine)
endif()
if(QUILLARY_WINE)
  set(QUILLARY_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env -u DISPLAY WINEPREFIX=${QUILLARY_WINE_PREFIX} WINEDEBUG=-all
      ${QUILLARY_WINE})
endif()
