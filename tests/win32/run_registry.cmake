# The stored settings after one run of the Windows program, read back with
# wine's reg tool.
#
# CASE: fresh (no settings before), kept (a recent file in the second slot
# and a preview page count), opened (a document name as the argument).
set(key "HKCU\\Software\\Local AppWizard-Generated Applications\\Dravel03")
set(recent "${key}\\Recent File List")
set(settings "${key}\\Settings")

function(reg)
  execute_process(COMMAND ${EMULATOR} reg ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(reg_result ${result} PARENT_SCOPE)
  set(reg_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/temp.txt "ch 1 2 3 4 A\n")
reg(delete "${key}" /f)
set(mode /G1)
if(CASE STREQUAL "kept")
  reg(add "${recent}" /v File2 /t REG_SZ /d "C:\\drawings\\a.dat" /f)
  reg(add "${settings}" /v PreviewPages /t REG_DWORD /d 3 /f)
elseif(CASE STREQUAL "opened")
  set(mode drawing.dat)
elseif(NOT CASE STREQUAL "fresh")
  message(FATAL_ERROR "unknown case ${CASE}")
endif()

execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${mode} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the program exited with ${status}")
endif()
reg(query "${key}" /s)
if(NOT reg_result EQUAL 0)
  message(FATAL_ERROR "no key ${key} after the run")
endif()
string(REPLACE "\r" "" listing "${reg_output}")
message(STATUS "${listing}")

function(expect regex)
  if(NOT listing MATCHES "${regex}")
    message(FATAL_ERROR "the settings lack ${regex}")
  endif()
endfunction()
function(expect_not regex)
  if(listing MATCHES "${regex}")
    message(FATAL_ERROR "the settings hold ${regex}")
  endif()
endfunction()

expect("Dravel03\\\\Settings\n")
if(CASE STREQUAL "fresh")
  expect_not("Recent File List")
  expect_not("REG_")  # "Settings" is empty, and so is the key itself
elseif(CASE STREQUAL "kept")
  expect("Recent File List\n +File2 +REG_SZ +C:\\\\drawings\\\\a\\.dat\n")
  expect_not("File1")
  expect("PreviewPages +REG_DWORD +0x3")
else()
  # The document was opened without a pass: it is the one recent file, and
  # neither file of the pass was touched.
  expect("Recent File List\n +File1 +REG_SZ +Z:[^\n]*\\\\drawing\\.dat\n")
  expect_not("File2")
  expect_not("PreviewPages")
  if(EXISTS ${WORK_DIR}/jwc_temp.txt)
    message(FATAL_ERROR "opening a document ran the pass")
  endif()
endif()
