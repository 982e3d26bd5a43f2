# Writes the program's manual page: cmake -DPROGRAM=... -DOUTPUT=... -P man_page.cmake
execute_process(COMMAND ${PROGRAM} --help-man OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "${PROGRAM} --help-man failed: ${status}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
