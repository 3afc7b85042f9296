# One message-box case of the Windows program, in a fresh directory: the
# helper expect_box runs the program, checks its box, presses OK and hands
# back the program's exit status; then the output file is checked.
#
# CASE: missing_input, held_input, held_output or version.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(earlier "earlier output\r\n")
file(WRITE ${WORK_DIR}/jwc_temp.txt "${earlier}")
set(args --file-error temp.txt)
set(mode /G1)
set(status 1)
set(output "")  # what jwc_temp.txt holds afterwards

if(CASE STREQUAL "missing_input")
elseif(CASE STREQUAL "held_input")
  file(WRITE ${WORK_DIR}/temp.txt "ch 1 2 3 4 A\n")
  list(PREPEND args --hold temp.txt)
elseif(CASE STREQUAL "held_output")
  # The output is held: it is left as it was, and the input is not opened
  # (had it been, its missing file would show a second box).
  set(args --hold jwc_temp.txt --file-error jwc_temp.txt)
  set(output "${earlier}")
elseif(CASE STREQUAL "version")
  set(args --text-prefix "Dravel03 1.0.0.1")
  set(mode --version)
  set(status 0)
  set(output "${earlier}")
else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()

# The helper starts the program by its Windows path.
string(REPLACE "/" "\\" program "Z:${PROGRAM}")
execute_process(COMMAND ${EMULATOR} ${HELPER} ${args} -- ${program} ${mode}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL status)
  message(FATAL_ERROR "expected exit status ${status}, got ${result}")
endif()
# Compared as hex: a text read would drop the carriage returns.
file(READ ${WORK_DIR}/jwc_temp.txt actual HEX)
file(WRITE ${WORK_DIR}/expected.txt "${output}")
file(READ ${WORK_DIR}/expected.txt expected HEX)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "jwc_temp.txt holds [${actual}], expected [${expected}]")
endif()
