# The site's page.js: the numbers the program's page bridge writes (its program run under
# EMULATOR), then the page's script as it is.
#   cmake -DEMULATOR=... -DPROGRAM=page_constants.js -DSCRIPT=page.js -DOUT=site/page.js -P ...
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE head RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} failed: ${failed}")
endif()
file(READ ${SCRIPT} script)
file(WRITE ${OUT} "${head}${script}")
