# How the program reaches its users: the install layout, the manual page and the Debian
# package. Not in a sanitizer build, which installs and packages the same files.
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(packaging_tests ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

  # A build of its own, configured as a user or a packager would: the program alone.
  set(layout_arguments -G ${CMAKE_GENERATOR})
  if(CMAKE_TOOLCHAIN_FILE)
    list(APPEND layout_arguments -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
  endif()
  if(WIN32)
    set(layout_list ${packaging_tests}/install-windows.list)
  else()
    set(layout_list ${packaging_tests}/install.list)
  endif()
  add_test(NAME packaging_install_layout
           COMMAND ${packaging_tests}/install_layout.sh ${PROJECT_SOURCE_DIR} ${layout_list}
                   ${layout_arguments})
  set_tests_properties(packaging_install_layout PROPERTIES TIMEOUT 900)

  if(NOT WIN32)
    add_test(NAME packaging_manual_page
             COMMAND ${packaging_tests}/manual_page.sh ${SORVANTA_MANUAL_PAGE}
                     ${PROJECT_SOURCE_DIR})
  endif()

  if(SORVANTA_DEB_PACKAGE)
    # A native build's package is for this machine's architecture, whatever the build says.
    set(deb_architecture "")
    if(CMAKE_CROSSCOMPILING)
      set(deb_architecture ${SORVANTA_DEB_ARCHITECTURE})
    endif()
    add_test(NAME packaging_deb
             COMMAND ${packaging_tests}/deb_package.sh ${CMAKE_CPACK_COMMAND}
                     ${PROJECT_BINARY_DIR}/CPackConfig.cmake ${PROJECT_VERSION}
                     ${packaging_tests}/deb.list ${deb_architecture})
    set_tests_properties(packaging_deb PROPERTIES TIMEOUT 600)
  endif()
endif()
