# Number text: reading answers, the power-of-ten table, digit rendering and mask formatting.
add_executable(numtext_test ${CMAKE_CURRENT_LIST_DIR}/numtext_test.cpp)
target_link_libraries(numtext_test PRIVATE sorvanta_numtext GTest::gtest_main)
gtest_discover_tests(numtext_test)

if(SORVANTA_HAVE_REFERENCE)
  add_executable(numtext_reference_test ${CMAKE_CURRENT_LIST_DIR}/numtext_reference_test.cpp)
  target_link_libraries(numtext_reference_test PRIVATE sorvanta_numtext sorvanta_test_reference
                                                       GTest::gtest_main)
  gtest_discover_tests(numtext_reference_test)
endif()
