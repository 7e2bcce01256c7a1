# Cross-build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# flavour, for std::thread and std::mutex). Tests run under Wine.
#
#   cmake -S . -B build-windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELOR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELOR_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUELOR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: the C and C++ runtimes and the threads
# library are linked in, so nothing beyond what every Windows has is needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs are started through Wine (ctest, and gtest's test discovery).
find_program(QUELOR_WINE NAMES wine wine64)
if(QUELOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUELOR_WINE})
endif()
