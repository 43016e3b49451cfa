# Number text: reading answers, the power-of-ten table, digit rendering and mask formatting.
add_executable(numtext_test ${CMAKE_CURRENT_LIST_DIR}/numtext_test.cpp)
target_link_libraries(numtext_test PRIVATE sorvanta_numtext GTest::gtest_main)
gtest_discover_tests(numtext_test)
