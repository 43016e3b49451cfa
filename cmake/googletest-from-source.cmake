# GoogleTest for a cross build: no GoogleTest for the target system is installed, so it is
# built from the sources Debian ships, with the cross compiler, under the GTest:: names
# that find_package(GTest) gives.
set(SORVANTA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${SORVANTA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "Cross builds build GoogleTest from source: none in "
                      "${SORVANTA_GOOGLETEST_SOURCE} (Debian: apt-get install googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# WebAssembly threads need a page that allows shared memory; the tests need no threads.
if(EMSCRIPTEN)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory(${SORVANTA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

foreach(library IN ITEMS gtest gtest_main gmock gmock_main)
  # GoogleTest is not held to this project's warning flags, and its headers are included as
  # system headers so that they are not either.
  set_property(TARGET ${library} PROPERTY COMPILE_OPTIONS "")
  get_target_property(headers ${library} INTERFACE_INCLUDE_DIRECTORIES)
  set_property(TARGET ${library} PROPERTY INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${headers})
  # The memory platform fails a test by throwing, and the tests catch it: in the web build what
  # links GoogleTest is built with exceptions, the program is not.
  if(EMSCRIPTEN)
    target_compile_options(${library} INTERFACE -fexceptions)
    target_link_options(${library} INTERFACE -fexceptions)
  endif()
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
