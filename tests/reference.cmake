# MPFR, the reference the number tests are held against, where the machine has it.
find_path(MPFR_INCLUDE_DIR mpfr.h)
find_library(MPFR_LIBRARY mpfr)
find_library(GMP_LIBRARY gmp)
if(MPFR_INCLUDE_DIR AND MPFR_LIBRARY AND GMP_LIBRARY)
  add_library(sorvanta_test_reference STATIC ${CMAKE_CURRENT_LIST_DIR}/extended_reference.cpp)
  target_include_directories(sorvanta_test_reference PUBLIC ${MPFR_INCLUDE_DIR})
  target_link_libraries(sorvanta_test_reference PUBLIC sorvanta_extended ${MPFR_LIBRARY}
                                                       ${GMP_LIBRARY})
  set(SORVANTA_HAVE_REFERENCE ON)
else()
  message(STATUS "MPFR not found: the tests against it are left out")
  set(SORVANTA_HAVE_REFERENCE OFF)
endif()
