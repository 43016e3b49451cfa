# Hardening: regressions of what the fuzzers found, soak and fault runs of the real program
# in tmux (label "soak"), and the whole-dialog tests under valgrind (label "valgrind").
if(NOT WIN32)
add_executable(hardening_regression_test hardening_regression_test.cpp)
target_link_libraries(hardening_regression_test PRIVATE sorvanta_platform_terminal
                                                        GTest::gtest_main)
gtest_discover_tests(hardening_regression_test)

# Soak and fault runs of the program in tmux. Each polls with a deadline and skips (77)
# without tmux.
if(TARGET sorvanta)
  sorvanta_launcher(program sorvanta)
  set(hardening_tmux ${CMAKE_CURRENT_SOURCE_DIR}/tmux)
  foreach(soak paste reject random resize signals redirect)
    add_test(NAME hardening_soak_${soak}
             COMMAND ${hardening_tmux}/soak_${soak}.sh ${program})
    set_tests_properties(hardening_soak_${soak} PROPERTIES
      LABELS soak SKIP_RETURN_CODE 77 TIMEOUT 240)
  endforeach()
endif()

# The whole-dialog tests under memcheck: no invalid access, no leak. Not in a sanitizer build,
# whose runtime cannot run under valgrind. Valgrind does x87 arithmetic in double precision, so
# on the native path the test of angles one extended-precision step outside the range cannot
# pass under it; the software path is integer arithmetic and runs them all.
find_program(VALGRIND_PROGRAM valgrind)
if(VALGRIND_PROGRAM AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize" AND NOT CMAKE_CROSSCOMPILING)
  set(valgrind_dialogs "Dialog.*:*Report.WholeDialogScreen*")
  if(NOT SORVANTA_SOFTWARE_EXTENDED)
    string(APPEND valgrind_dialogs ":-Dialog.AnglesJustOutsideTheRangeAreRejected")
  endif()
  add_test(NAME hardening_valgrind_app_test
           COMMAND ${VALGRIND_PROGRAM} --error-exitcode=1 --leak-check=full
                   --errors-for-leak-kinds=definite,indirect,possible --quiet
                   $<TARGET_FILE:app_test> "--gtest_filter=${valgrind_dialogs}")
  set_tests_properties(hardening_valgrind_app_test PROPERTIES LABELS valgrind TIMEOUT 600)
endif()
endif()
