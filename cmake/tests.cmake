if(CMAKE_CROSSCOMPILING)
  # The system's GoogleTest is built for the build machine: build it from
  # its sources for the target, without our warning flags.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Unit tests stand beside the code they test, as foo_test.cpp; tests of one
# system's twin files end in _posix_test.cpp or _win32_test.cpp.
set(DRAVEL03_TEST_DIRS fields convert geometry run platform app)
set(DRAVEL03_TEST_SOURCES)
foreach(dir IN LISTS DRAVEL03_TEST_DIRS)
  file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*_test.cpp)
  list(APPEND DRAVEL03_TEST_SOURCES ${found})
endforeach()
if(WIN32)
  list(FILTER DRAVEL03_TEST_SOURCES EXCLUDE REGEX "_posix_test\\.cpp$")
else()
  list(FILTER DRAVEL03_TEST_SOURCES EXCLUDE REGEX "_win32_test\\.cpp$")
endif()

add_executable(dravel03_tests ${DRAVEL03_TEST_SOURCES} tests/test_support.cpp)
target_link_libraries(dravel03_tests PRIVATE dravel03_app dravel03_test_doubles GTest::gtest_main)
target_compile_definitions(dravel03_tests PRIVATE
  DRAVEL03_EXE="$<TARGET_FILE:dravel03>"
  DRAVEL03_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(dravel03_tests dravel03)
gtest_discover_tests(dravel03_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

# Whole-program conversions of the shipped examples: each examples/<name>/
# holds temp.txt and expected/<MODE>.txt for the modes it is checked in.
file(GLOB DRAVEL03_EXPECTED CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*/expected/*.txt)
foreach(expected IN LISTS DRAVEL03_EXPECTED)
  get_filename_component(mode ${expected} NAME_WE)
  get_filename_component(expected_dir ${expected} DIRECTORY)
  get_filename_component(example_dir ${expected_dir} DIRECTORY)
  get_filename_component(example ${example_dir} NAME)
  add_test(NAME example.${example}.${mode}
    COMMAND ${CMAKE_COMMAND}
      -DPROGRAM=$<TARGET_FILE:dravel03>
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DMODE=/${mode}
      -DINPUT=${example_dir}/temp.txt
      -DEXPECTED=${expected}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/examples/${example}.${mode}
      -P ${PROJECT_SOURCE_DIR}/tests/run_example.cmake)
endforeach()

if(WIN32)
  include(cmake/windows_tests.cmake)
endif()
