# The Debian package, sorvanta_<version>_<architecture>.deb: the program, and its documents as
# Debian policy has them (manual page, read-me and changelog compressed with gzip -9n, the
# licence as a machine-readable copyright file). Its dependencies are read from the binary by
# dpkg-shlibdeps.
set(debian_source ${PROJECT_SOURCE_DIR}/packaging/debian)
set(debian_docs ${PROJECT_BINARY_DIR}/debian)

# The Debian architecture of what the compiler makes, from its multiarch triplet: a cross
# build is packaged for its target, not for the machine that builds it.
function(sorvanta_debian_architecture out)
  set(triplet ${CMAKE_LIBRARY_ARCHITECTURE})
  if(NOT triplet)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE triplet
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  find_program(SORVANTA_DPKG_ARCHITECTURE dpkg-architecture)
  set(architecture "")
  if(triplet AND SORVANTA_DPKG_ARCHITECTURE)
    execute_process(COMMAND ${SORVANTA_DPKG_ARCHITECTURE} -t ${triplet} -qDEB_HOST_ARCH
                    OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  set(${out} "${architecture}" PARENT_SCOPE)
endfunction()

# The changelog is kept by hand; a release without its entry would ship a stale one.
file(STRINGS ${debian_source}/changelog changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "^sorvanta \\(([^)]+)\\)" changelog_top "${changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/debian/changelog: the newest entry is for version "
                      "'${CMAKE_MATCH_1}', not ${PROJECT_VERSION}: add an entry for it")
endif()

# copyright: the licence of LICENSE in the machine-readable format, its text indented by one
# space and its empty lines written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" SORVANTA_COPYRIGHT "${licence}")
set(SORVANTA_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" licence_start)
string(SUBSTRING "${licence}" ${licence_start} -1 licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " SORVANTA_LICENSE_TEXT " ${licence}")
set(SORVANTA_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(SORVANTA_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
configure_file(${debian_source}/copyright.in ${debian_docs}/copyright @ONLY)

find_program(SORVANTA_GZIP gzip REQUIRED)
set(compressed_docs "")
# Without a name or a time stamp in the header, so the same sources give the same package.
get_target_property(manual_page sorvanta_manual_page MANUAL_PAGE)
foreach(document IN ITEMS ${manual_page} ${PROJECT_SOURCE_DIR}/README.md
                          ${debian_source}/changelog)
  get_filename_component(name ${document} NAME)
  add_custom_command(
    OUTPUT ${debian_docs}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${document} ${debian_docs}/${name}
    COMMAND ${SORVANTA_GZIP} -9nf ${debian_docs}/${name}
    DEPENDS ${document}
    VERBATIM)
  list(APPEND compressed_docs ${debian_docs}/${name}.gz)
endforeach()
add_custom_target(debian_docs ALL DEPENDS ${compressed_docs})

install(FILES ${debian_docs}/sorvanta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_docs}/README.md.gz ${debian_docs}/changelog.gz ${debian_docs}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)

# One package of the program and the Debian documents.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL program debian)

sorvanta_debian_architecture(SORVANTA_DEB_ARCHITECTURE)
if(SORVANTA_DEB_ARCHITECTURE)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${SORVANTA_DEB_ARCHITECTURE})
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME sorvanta)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The first line is the summary; the rest is written as Debian's extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sorvanta plans where to put the five loudspeakers of a surround system in a
room, in the ITU-R BS.775 arrangement: the centre speaker straight ahead, the
front left and right speakers 30 degrees either side of it, and the two
surround speakers 100 to 120 degrees from straight ahead, all at one distance
from the listening position.

It asks six questions on one 80 x 22 text screen (how deep and how wide the
room lets the speakers stand, and where the surround speakers go) and prints
the largest listening distance that meets every limit, with the spacings that
follow from it; a result over its limit is shown in red. Lengths are plain
numbers in whatever unit the user chooses.")
