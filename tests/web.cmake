# The web platform: its key mapping as a unit (natively, and under node in the WebAssembly
# build); in the WebAssembly build, the page in headless Chromium.
add_executable(web_keys_test web_keys_test.cpp)
target_link_libraries(web_keys_test PRIVATE sorvanta_platform_web_keys sorvanta_console
                                            sorvanta_platform_memory GTest::gtest_main)
gtest_discover_tests(web_keys_test)

if(EMSCRIPTEN)
  # Headless Chromium is driven with puppeteer-core, which the test set-up installs outside the
  # repository (see README.md); without it these tests are skipped.
  set(SORVANTA_NODE_MODULES ${PROJECT_SOURCE_DIR}/build/web-test-node/node_modules
      CACHE PATH "node modules for the browser tests (puppeteer-core)")
  find_program(SORVANTA_NODE node REQUIRED)
  set(web_tests ${CMAKE_CURRENT_SOURCE_DIR}/web)
  function(web_chromium_test name script)
    add_test(NAME ${name} COMMAND ${SORVANTA_NODE} ${web_tests}/${script} ${ARGN})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT SORVANTA_NODE_MODULES=${SORVANTA_NODE_MODULES}
      SKIP_RETURN_CODE 77 TIMEOUT 240)
  endfunction()

  # The seam driver (tests/tmux) on the page: the web platform alone under a stand-in program
  # that shows every key record it reads.
  add_executable(web_seam_driver tmux/seam_driver.cpp)
  target_link_libraries(web_seam_driver PRIVATE sorvanta_platform_web)
  # Built as the program is: without the exceptions of the tests, whose calls through the
  # exception machinery the program's waits could not suspend.
  target_compile_options(web_seam_driver PRIVATE -fno-exceptions)
  sorvanta_web_site(web_seam_driver ${CMAKE_CURRENT_BINARY_DIR}/driver-site)
  web_chromium_test(web_seam_chromium seam.mjs ${CMAKE_CURRENT_BINARY_DIR}/driver-site)

  # The whole dialogs of the table, typed into the program's own site.
  add_executable(web_dialog_table web/dialog_table.cpp dialog_cases.cpp dialog_screen.cpp)
  target_link_libraries(web_dialog_table PRIVATE sorvanta_platform_memory GTest::gtest)
  if(TARGET sorvanta)
    web_chromium_test(web_dialogs_chromium dialogs.mjs ${SORVANTA_WEB_SITE}
                      $<TARGET_FILE:web_dialog_table>)
    # The page for everyone: every size and zoom, what a screen reader says, the keyboard, and
    # contrast with axe-core's audit (installed beside puppeteer-core).
    foreach(test sizes spoken keyboard audit)
      web_chromium_test(web_${test}_chromium ${test}.mjs ${SORVANTA_WEB_SITE})
    endforeach()
  endif()
endif()
