if(WIN32)
  # The release archive: the program and its usage text side by side, as a
  # user unpacks them into one folder.
  install(TARGETS dravel03 RUNTIME DESTINATION .)
  # An ASCII name: archiving a Japanese one fails outside a UTF-8 locale.
  install(FILES docs/README-ja.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Dravel03)
  set(CPACK_PACKAGE_FILE_NAME Dravel03-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_STRIP_FILES ON)  # the debug information stays in the build
  include(CPack)
else()
  include(GNUInstallDirs)
  install(TARGETS dravel03 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
