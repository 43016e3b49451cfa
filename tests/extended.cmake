# The extended format's software operations against the x87 where there is one, and against
# MPFR (a test-only dependency) where it is installed for the target: on x86-64 Linux both, on
# aarch64 MPFR, under MinGW the x87. The same test is built a second time on the software
# operations with their portable 128-bit arithmetic.
find_path(SORVANTA_MPFR_INCLUDE_DIR mpfr.h)
find_library(SORVANTA_MPFR_LIBRARY mpfr)
find_library(SORVANTA_GMP_LIBRARY gmp)
if(SORVANTA_MPFR_INCLUDE_DIR AND SORVANTA_MPFR_LIBRARY AND SORVANTA_GMP_LIBRARY)
  set(extended_test_mpfr ON)
else()
  set(extended_test_mpfr OFF)
endif()
if(NOT extended_test_mpfr AND NOT SORVANTA_HAS_X87_LONG_DOUBLE)
  message(FATAL_ERROR "The extended format's tests need MPFR where there is no x87 "
                      "(Debian: apt-get install libmpfr-dev, for the target's architecture)")
endif()

foreach(variant IN ITEMS software software_portable)
  set(test extended_${variant}_test)
  add_executable(${test} ${CMAKE_CURRENT_LIST_DIR}/extended_software_test.cpp)
  # The variant's operations first, so that they, not the copy behind sorvanta_extended, are
  # the ones linked; sorvanta_extended brings only the floating-point set-up here.
  target_link_libraries(${test} PRIVATE sorvanta_extended_${variant} sorvanta_extended
                                        GTest::gtest_main)
  if(SORVANTA_HAS_X87_LONG_DOUBLE)
    target_link_libraries(${test} PRIVATE sorvanta_extended_x87)
    target_compile_definitions(${test} PRIVATE SORVANTA_TEST_X87=1)
  endif()
  if(extended_test_mpfr)
    target_sources(${test} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/extended_mpfr.cpp)
    target_include_directories(${test} SYSTEM PRIVATE ${SORVANTA_MPFR_INCLUDE_DIR})
    target_link_libraries(${test} PRIVATE ${SORVANTA_MPFR_LIBRARY} ${SORVANTA_GMP_LIBRARY})
    target_compile_definitions(${test} PRIVATE SORVANTA_TEST_MPFR=1)
  endif()
  gtest_discover_tests(${test})
endforeach()
