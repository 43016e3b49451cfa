# Sine and cosine against MPFR, and the generated bits of 2/pi and pi/4 they reduce with.
# A long run by hand: SORVANTA_SIN_COS_ARGUMENTS=1000000 build/tests/extended_sin_cos_test
if(SORVANTA_HAVE_REFERENCE)
  add_executable(extended_sin_cos_test ${CMAKE_CURRENT_LIST_DIR}/extended_sin_cos_test.cpp)
  target_link_libraries(extended_sin_cos_test PRIVATE sorvanta_test_reference GTest::gtest_main)
  gtest_discover_tests(extended_sin_cos_test)

  # Rewrites the table when more words are wanted (see its first lines).
  add_executable(extended_trig_tables_write ${CMAKE_CURRENT_LIST_DIR}/extended_trig_tables_write.cpp)
  target_link_libraries(extended_trig_tables_write PRIVATE sorvanta_test_reference)
endif()
