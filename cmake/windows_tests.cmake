# Tests of the Windows program, run under wine (the emulator). GUI programs
# need a display: run the tests under xvfb-run.

# The window shell's unit tests use the program's own resources.
target_sources(dravel03_tests PRIVATE app/dravel03.rc)

# Helper programs that drive and inspect Dravel03.exe from outside.
add_executable(expect_box tests/win32/expect_box.cpp)
add_executable(check_resources tests/win32/check_resources.cpp)
target_link_libraries(check_resources PRIVATE version)
foreach(helper expect_box check_resources)
  target_link_options(${helper} PRIVATE -municode)
  add_dependencies(dravel03_tests ${helper})
endforeach()

# Starts the wine server once, to stay between the tests: otherwise every
# program under wine waits seconds for a server of its own. "-p30" keeps it
# 30 s after the last program ends ("-p 30", with a blank, would keep it for
# ever).
add_test(NAME wine.start COMMAND sh -c "(wineserver -p30; wine cmd /c exit) </dev/null >/dev/null 2>&1")
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)

# The message box: its text, caption and icon, and the exit status.
foreach(case missing_input held_input held_output version)
  add_test(NAME win32.message_box.${case}
    COMMAND ${CMAKE_COMMAND}
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DHELPER=$<TARGET_FILE:expect_box>
      -DPROGRAM=$<TARGET_FILE:dravel03>
      -DCASE=${case}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/win32/message_box.${case}
      -P ${PROJECT_SOURCE_DIR}/tests/win32/run_message_box.cmake)
endforeach()

# The stored settings after a run.
foreach(case fresh kept opened)
  add_test(NAME win32.registry.${case}
    COMMAND ${CMAKE_COMMAND}
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DPROGRAM=$<TARGET_FILE:dravel03>
      -DCASE=${case}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/win32/registry.${case}
      -P ${PROJECT_SOURCE_DIR}/tests/win32/run_registry.cmake)
  set_tests_properties(win32.registry.${case} PROPERTIES RESOURCE_LOCK registry)
endforeach()

# The resources and the version record that the program carries.
foreach(part menu accelerators strings icons dialogs version)
  add_test(NAME win32.resources.${part} COMMAND check_resources "Z:$<TARGET_FILE:dravel03>" ${part})
endforeach()

# Every test here runs programs under wine.
get_property(tests DIRECTORY PROPERTY TESTS)
list(FILTER tests INCLUDE REGEX "^(win32|example)\\.")
set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED wine)

# The program file itself: 64-bit, GUI, no DLL of ours or of the compiler.
add_test(NAME win32.program_file
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:dravel03>
    -P ${PROJECT_SOURCE_DIR}/tests/win32/check_program_file.cmake)
