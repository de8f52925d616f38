# Cross build for 32-bit Windows (i686) with MinGW-w64: one program for Windows XP SP3 and every
# later Windows, 32-bit and 64-bit. The tests run under 32-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The posix thread model: the default win32 one has no std::mutex or std::thread.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 reports a false -Wrestrict inside std::string's operator+ when optimising (GCC bug
# 105329); the native build still checks for the real thing.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Self-contained executables and DLLs: no MinGW runtime DLLs to ship or to find under Wine.
# CRT_fp8.o starts the programs with the x87 unit at double precision, as Windows itself sets it;
# MinGW's default, extended precision, rounds intermediate results differently from the 64-bit
# doubles of every other build (it changed 190 of the 256 threshold steps k * 5 / 255), and the
# volts a user types must snap to the same codes everywhere. SSE2 arithmetic would do the same,
# but not every PC that XP runs on has SSE2.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${CMAKE_FIND_ROOT_PATH}/lib/CRT_fp8.o")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Debian installs the 32-bit Wine loader outside PATH.
find_program(LUNDA_WINE NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(LUNDA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUNDA_WINE})
endif()
