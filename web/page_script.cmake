# The site's page.js: the numbers the program's page bridge writes (its program run under
# EMULATOR), then the page's script parts in order, in one function of their own, so that their
# names stay out of the page's global scope while they share one another's. Lines that are only
# a comment are for the reader of the parts: the site's visitors are spared their download.
#   cmake -DEMULATOR=... -DPROGRAM=page_constants.js "-DPARTS=a.js;b.js" -DOUT=site/page.js -P ...
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE head RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} failed: ${failed}")
endif()
set(script "${head}(function() {\n'use strict';\n\n")
foreach(part IN LISTS PARTS)
  file(READ ${part} text)
  string(APPEND script "${text}\n")
endforeach()
string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" script "\n${script}")
string(REGEX REPLACE "\n\n+" "\n" script "${script}")
file(WRITE ${OUT} "${script}})();\n")
