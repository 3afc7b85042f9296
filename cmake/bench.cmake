# The input generator that bench/run.sh uses, and the micro-benchmarks of the
# hot pieces when Google Benchmark is installed. Nothing here is timed by the
# tests.
add_library(dravel03_temp_generator STATIC bench/temp_generator.cpp)
target_include_directories(dravel03_temp_generator PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(generate_temp bench/generate_temp.cpp)
target_link_libraries(generate_temp PRIVATE dravel03_temp_generator)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB DRAVEL03_BENCHMARK_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*_benchmark.cpp)
  add_executable(dravel03_benchmarks ${DRAVEL03_BENCHMARK_SOURCES})
  target_link_libraries(dravel03_benchmarks PRIVATE
    dravel03_test_doubles dravel03_temp_generator benchmark::benchmark_main)
else()
  message(STATUS "Google Benchmark not found: the micro-benchmarks are not built")
endif()
