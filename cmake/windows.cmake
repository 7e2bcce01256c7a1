# What the Windows build takes from elsewhere, where Linux finds packages.

# The system's ODBC driver manager.
add_library(ODBC::ODBC INTERFACE IMPORTED)
set_target_properties(ODBC::ODBC PROPERTIES INTERFACE_LINK_LIBRARIES odbc32)

# Header-only JSON (the snapshot format) from Debian's nlohmann-json3-dev:
# only its own folder is put on the include path, never /usr/include as a
# whole, whose C library headers are not MinGW's.
set(QUELOR_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${QUELOR_HOST_HEADERS})
if(NOT EXISTS ${QUELOR_HOST_HEADERS}/nlohmann)
  file(CREATE_LINK /usr/include/nlohmann ${QUELOR_HOST_HEADERS}/nlohmann SYMBOLIC)
endif()

# GoogleTest built from Debian's sources (libgtest-dev ships them) with the
# cross compiler.
if(QUELOR_BUILD_TESTS)
  set(QUELOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUELOR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# Unicode everywhere: the wide Win32 calls by default, never the ANSI ones.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The main thread's stack as large as on Linux (8 MB; Windows gives 2 MB):
# the simulated server parses and evaluates nested statements recursively up
# to a fixed depth that needs more in the demo run.
add_link_options(-Wl,--stack,8388608)
