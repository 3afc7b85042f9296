# The Windows program: the window shell, the resources, and a GUI program
# named Dravel03.exe that needs no DLL beside it.
target_sources(dravel03_platform PRIVATE
  platform/wide_string_win32.cpp
  platform/frame_wnd_win32.cpp
  platform/form_view_win32.cpp
  platform/dialog_win32.cpp
)
target_link_libraries(dravel03_platform PUBLIC comdlg32)

target_sources(dravel03 PRIVATE app/dravel03.rc)
set_target_properties(dravel03 PROPERTIES OUTPUT_NAME Dravel03 WIN32_EXECUTABLE ON)
# The entry point is wWinMain: the arguments come in as UTF-16.
target_link_options(dravel03 PRIVATE -municode)
