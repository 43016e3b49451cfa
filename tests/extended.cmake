# The extended format's software operations against the x87 where there is one, and against
# MPFR where the machine has it for the target: on x86-64 Linux both, on aarch64 MPFR, under
# MinGW the x87. The same test is built a second time on the software operations with their
# portable 128-bit arithmetic.
if(NOT SORVANTA_HAVE_REFERENCE AND NOT SORVANTA_HAS_X87_LONG_DOUBLE)
  message(FATAL_ERROR "The extended format's tests need MPFR where there is no x87 "
                      "(Debian: apt-get install libmpfr-dev, for the target's architecture)")
endif()

foreach(variant IN ITEMS software software_portable)
  set(test extended_${variant}_test)
  add_executable(${test} ${CMAKE_CURRENT_LIST_DIR}/extended_software_test.cpp)
  # The variant's operations first, so that they, not the copy that sorvanta_extended brings,
  # are the ones linked.
  target_link_libraries(${test} PRIVATE sorvanta_extended_${variant} sorvanta_extended
                                        GTest::gtest_main)
  if(SORVANTA_HAS_X87_LONG_DOUBLE)
    target_link_libraries(${test} PRIVATE sorvanta_extended_x87)
    target_compile_definitions(${test} PRIVATE SORVANTA_TEST_X87=1)
  endif()
  if(SORVANTA_HAVE_REFERENCE)
    target_sources(${test} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/extended_mpfr.cpp)
    target_link_libraries(${test} PRIVATE sorvanta_test_reference)
    target_compile_definitions(${test} PRIVATE SORVANTA_TEST_MPFR=1)
  endif()
  gtest_discover_tests(${test})
endforeach()
