# The conversion: the same sources on every platform.
add_library(dravel03_core STATIC
  fields/field_list.cpp
  fields/read_number.cpp
  fields/short_decimal.cpp
  fields/record_head.cpp
  fields/read_index.cpp
  convert/dravel03_doc.cpp
  convert/dispatch_record.cpp
  geometry/placement.cpp
  geometry/flip_placement.cpp
  geometry/shift_anchor.cpp
  geometry/skew_to_reference.cpp
  geometry/number_format.cpp
  geometry/flip_text_record.cpp
  geometry/place_by_reference.cpp
  run/line_reader.cpp
  run/line_writer.cpp
  run/background_task.cpp
  run/new_document.cpp
  run/convert.cpp
  platform/document.cpp
)
target_include_directories(dravel03_core PUBLIC ${PROJECT_SOURCE_DIR})

# The platform layer: twin files, one set per system.
if(WIN32)
  set(DRAVEL03_PLATFORM win32)
else()
  set(DRAVEL03_PLATFORM posix)
endif()
add_library(dravel03_platform STATIC
  platform/command_line.cpp
  platform/recent_file_list.cpp
  platform/win_app.cpp
  platform/win_app_${DRAVEL03_PLATFORM}.cpp
  platform/file_${DRAVEL03_PLATFORM}.cpp
  platform/native_platform_${DRAVEL03_PLATFORM}.cpp
)
target_link_libraries(dravel03_platform PUBLIC dravel03_core)

# The application object, apart from the program's entry point.
add_library(dravel03_app STATIC
  app/dravel03_app.cpp
  app/usage.cpp
  app/shell_${DRAVEL03_PLATFORM}.cpp
)
target_compile_definitions(dravel03_app PRIVATE DRAVEL03_VERSION="${PROJECT_VERSION}")
target_link_libraries(dravel03_app PUBLIC dravel03_platform)

add_executable(dravel03 app/main_${DRAVEL03_PLATFORM}.cpp)
target_link_libraries(dravel03 PRIVATE dravel03_app)

if(WIN32)
  include(cmake/windows.cmake)
endif()

# Linked statically the program starts in about half the time: the loader
# has no C++ runtime to map and relocate.
if(DRAVEL03_STATIC_PROGRAM)
  target_link_options(dravel03 PRIVATE -static)
endif()
