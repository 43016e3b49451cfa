# The console text layer on the memory platform, the memory platform itself, and the virtual
# console with its keyboard under both.
add_executable(console_test console_screen_test.cpp console_input_test.cpp)
target_link_libraries(console_test PRIVATE sorvanta_console sorvanta_platform_memory
                                           GTest::gtest_main)
gtest_discover_tests(console_test)

add_executable(memory_platform_test memory_platform_test.cpp)
target_link_libraries(memory_platform_test PRIVATE sorvanta_platform_memory GTest::gtest_main)
gtest_discover_tests(memory_platform_test)

add_executable(virtual_console_test virtual_console_test.cpp)
target_link_libraries(virtual_console_test PRIVATE sorvanta_platform_virtual GTest::gtest_main)
gtest_discover_tests(virtual_console_test)
