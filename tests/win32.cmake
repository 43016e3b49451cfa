# The Windows console and window seam, run under Wine in the MinGW build (or on Windows), and
# the whole program under Wine in a tmux terminal.
if(WIN32)
  add_executable(win32_test win32_console_test.cpp win32_window_test.cpp)
  target_link_libraries(win32_test PRIVATE sorvanta_platform_win32 sorvanta_platform_virtual
                                           GTest::gtest_main)
  # These tests need a real console screen and input buffer.
  gtest_discover_tests(win32_test PROPERTIES ENVIRONMENT SORVANTA_WINE_TTY=1)

  if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    # Making the Wine prefix takes longer than test discovery may: make it now, once.
    execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --prepare)
    add_test(NAME wine_dialog
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tmux/run_dialog.sh $<TARGET_FILE:sorvanta>)
    set_tests_properties(wine_dialog PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
  endif()
endif()
