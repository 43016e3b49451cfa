# The terminal platform: key decoding, presenting and the code page, as units; the real
# program (or the seam driver) in tmux.
if(NOT WIN32)
add_executable(terminal_unit_test
  terminal_key_decoder_test.cpp
  terminal_looks_test.cpp
  terminal_presenter_test.cpp)
target_link_libraries(terminal_unit_test PRIVATE sorvanta_platform_terminal GTest::gtest_main)
gtest_discover_tests(terminal_unit_test)

add_executable(terminal_seam_driver tmux/seam_driver.cpp)
target_link_libraries(terminal_seam_driver PRIVATE sorvanta_platform_terminal)

# The real binaries in tmux: the seam driver always, the program once it is built here.
set(terminal_tmux ${CMAKE_CURRENT_SOURCE_DIR}/tmux)
function(terminal_tmux_tests prefix binary)
  add_test(NAME ${prefix}_tmux_basic COMMAND ${terminal_tmux}/run_basic.sh ${binary} ${ARGN})
  add_test(NAME ${prefix}_tmux_restore COMMAND ${terminal_tmux}/run_restore.sh ${binary})
  add_test(NAME ${prefix}_no_tty COMMAND ${terminal_tmux}/run_notty.sh ${binary})
  set_tests_properties(${prefix}_tmux_basic ${prefix}_tmux_restore PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 120)
endfunction()
sorvanta_launcher(seam_driver terminal_seam_driver)
terminal_tmux_tests(terminal_driver ${seam_driver} box)
if(TARGET sorvanta)
  sorvanta_launcher(program sorvanta)
  terminal_tmux_tests(terminal_sorvanta ${program})
  # A whole dialog with rejected answers, every cell and colour of the final screen checked.
  add_test(NAME terminal_sorvanta_tmux_dialog
           COMMAND ${terminal_tmux}/run_dialog.sh ${program})
  # Terminals without colours, or users who want none: results over their limits still stand
  # out. And one that cannot place the cursor is refused before anything is written to it.
  add_test(NAME terminal_sorvanta_tmux_no_colour
           COMMAND ${terminal_tmux}/run_dialog.sh ${program} dim NO_COLOR=1)
  add_test(NAME terminal_sorvanta_tmux_vt100
           COMMAND ${terminal_tmux}/run_dialog.sh ${program} plain TERM=vt100)
  add_test(NAME terminal_sorvanta_tmux_dumb
           COMMAND ${terminal_tmux}/run_dumb.sh ${program})
  set_tests_properties(terminal_sorvanta_tmux_dialog terminal_sorvanta_tmux_no_colour
    terminal_sorvanta_tmux_vt100 terminal_sorvanta_tmux_dumb PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()
endif()
