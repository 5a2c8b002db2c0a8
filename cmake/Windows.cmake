# A build for 64-bit Windows (scripts/windows, with cmake/toolchains/windows-x64.cmake): the
# programs linked statically, so that they import only the system's own DLLs and run from any
# folder. The tests are built with GoogleTest from Debian's sources and run under Wine, CTest's
# cross-compiling emulator; they are listed when they run, as building needs no Wine.
add_link_options(-static)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "")
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
