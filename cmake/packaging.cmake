# How the program reaches its users: what `cmake --install` puts where, and the packages that
# cpack makes from it.
#
# Components: `program` is the executable; `docs` the manual page, read-me and licence as
# they are; the Debian package takes `program` with Debian's own forms of the documents
# (cmake/debian-package.cmake), which a plain install leaves out.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(EMSCRIPTEN)
  # The web build's package is its site, to open from disk or to put on any static host, with
  # the read-me and licence beside it.
  install(DIRECTORY $<TARGET_FILE_DIR:sorvanta>/ DESTINATION . COMPONENT program)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .
          COMPONENT docs)
elseif(WIN32)
  # sorvanta.exe runs from wherever it is unpacked, with its read-me and licence beside it.
  install(TARGETS sorvanta RUNTIME DESTINATION . COMPONENT program)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .
          COMPONENT docs)
else()
  install(TARGETS sorvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  install(FILES ${SORVANTA_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT docs)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)
endif()

set(CPACK_PACKAGE_NAME sorvanta)
set(CPACK_PACKAGE_VENDOR "The Sorvanta developers")
set(CPACK_PACKAGE_CONTACT "The Sorvanta developers <developers@sorvanta.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://sorvanta.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
if(EMSCRIPTEN)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME web)
elseif(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
  include(${CMAKE_CURRENT_LIST_DIR}/debian-package.cmake)
else()
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}" CPACK_SYSTEM_NAME)
endif()
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
include(CPack)
