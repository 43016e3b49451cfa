# Turns a listing, one line per entry, into a header of C strings:
#   cmake -DIN=... -DOUT=... [-DNAMESPACE=...] [-DNAME=...] -P embed_lines.cmake
# The array is same_numbers::kExpected unless NAMESPACE and NAME say otherwise.
if(NOT NAMESPACE)
  set(NAMESPACE same_numbers)
endif()
if(NOT NAME)
  set(NAME kExpected)
endif()
file(STRINGS ${IN} lines)
set(body "// Made from ${IN} by embed_lines.cmake.\n#pragma once\nnamespace ${NAMESPACE} {\ninline const char* const ${NAME}[] = {\n")
foreach(line IN LISTS lines)
  string(REPLACE "\\" "\\\\" line "${line}")
  string(REPLACE "\"" "\\\"" line "${line}")
  string(APPEND body "    \"${line}\",\n")
endforeach()
string(APPEND body "};\n}  // namespace ${NAMESPACE}\n")
file(WRITE ${OUT} "${body}")
