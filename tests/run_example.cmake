# Runs one conversion in a fresh directory and compares jwc_temp.txt with the
# expected file byte for byte.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${INPUT} ${WORK_DIR}/temp.txt)
if(MODE STREQUAL "/none")
  set(MODE "")
endif()
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${MODE}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${MODE} exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${WORK_DIR}/jwc_temp.txt
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff ${EXPECTED} ${WORK_DIR}/jwc_temp.txt)
  message(FATAL_ERROR "jwc_temp.txt differs from ${EXPECTED}")
endif()
