# The planner: its geometry, and whole dialogs on the memory platform.
add_executable(app_test geometry_test.cpp dialog_test.cpp dialog_screen.cpp dialog_cases.cpp)
sorvanta_link_program(app_test sorvanta_platform_memory)
target_link_libraries(app_test PRIVATE GTest::gtest_main)
gtest_discover_tests(app_test)

# The window services over the memory platform.
add_executable(winsvc_test winsvc_test.cpp)
target_link_libraries(winsvc_test PRIVATE sorvanta_winsvc sorvanta_platform_memory
                                          GTest::gtest_main)
gtest_discover_tests(winsvc_test)
