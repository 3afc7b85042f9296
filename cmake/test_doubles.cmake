# The in-memory platform and the whole-pass checks, shared by the tests and
# the fuzz targets.
add_library(dravel03_test_doubles STATIC
  tests/memory_platform.cpp
  tests/pass_check.cpp
)
target_link_libraries(dravel03_test_doubles PUBLIC dravel03_core)
