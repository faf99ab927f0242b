# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads), the
# libraries coming from a prefix built by scripts/windows_deps.sh. Everything
# links statically, so the program runs from its folder with no DLL beside it.
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DSTREETWARDEN_WIN_PREFIX=build-win/deps/prefix
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(STREETWARDEN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${STREETWARDEN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STREETWARDEN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${STREETWARDEN_MINGW}-windres)

# The dependency prefix: given on the command line the first time, kept in
# the environment for try_compile projects.
if(STREETWARDEN_WIN_PREFIX)
  set(ENV{STREETWARDEN_WIN_PREFIX} "${STREETWARDEN_WIN_PREFIX}")
else()
  set(STREETWARDEN_WIN_PREFIX "$ENV{STREETWARDEN_WIN_PREFIX}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${STREETWARDEN_MINGW} ${STREETWARDEN_WIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config looks only in the prefix, and hands out the private libraries a
# static link needs.
set(ENV{PKG_CONFIG_LIBDIR} "${STREETWARDEN_WIN_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --static)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Windows programs built here (tests, test discovery) run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine_test.sh)
