# The same numbers on every build: a generated listing of readings, layouts and formatted
# results, held against the one committed in tests/data.
add_library(same_numbers_listing STATIC ${CMAKE_CURRENT_LIST_DIR}/same_numbers_listing.cpp)
target_link_libraries(same_numbers_listing PUBLIC sorvanta_app)

add_executable(same_numbers_write ${CMAKE_CURRENT_LIST_DIR}/same_numbers_write.cpp)
target_link_libraries(same_numbers_write PRIVATE same_numbers_listing)
sorvanta_link_program(same_numbers_write sorvanta_platform_memory)

set(same_numbers_data ${CMAKE_CURRENT_LIST_DIR}/data/same_numbers.txt)
set(same_numbers_header ${CMAKE_CURRENT_BINARY_DIR}/generated/tests/same_numbers_expected.h)
add_custom_command(OUTPUT ${same_numbers_header}
  COMMAND ${CMAKE_COMMAND} -DIN=${same_numbers_data} -DOUT=${same_numbers_header}
          -P ${PROJECT_SOURCE_DIR}/cmake/embed_lines.cmake
  DEPENDS ${same_numbers_data} ${PROJECT_SOURCE_DIR}/cmake/embed_lines.cmake)
add_executable(same_numbers_test ${CMAKE_CURRENT_LIST_DIR}/same_numbers_test.cpp
                                 ${same_numbers_header})
target_include_directories(same_numbers_test PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(same_numbers_test PRIVATE same_numbers_listing GTest::gtest_main)
sorvanta_link_program(same_numbers_test sorvanta_platform_memory)
gtest_discover_tests(same_numbers_test)
