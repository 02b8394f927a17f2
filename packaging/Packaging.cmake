# Install rules, the packages (Debian's in Debian.cmake, Windows' in Windows.cmake), and the
# validation of the installed desktop files.

set(KAZUYOMI_APP_ID org.kazuyomi.Kazuyomi)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
else()
  install(TARGETS kazuyomi
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
  set(icons ${PROJECT_SOURCE_DIR}/packaging/icons)
  install(FILES packaging/${KAZUYOMI_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/${KAZUYOMI_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${icons}/${KAZUYOMI_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 256)
    install(FILES ${icons}/${KAZUYOMI_APP_ID}-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${KAZUYOMI_APP_ID}.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME kazuyomi)
set(CPACK_PACKAGE_VENDOR "The Kazuyomi developers")
set(CPACK_PACKAGE_CONTACT "The Kazuyomi developers <developers@kazuyomi.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numbers lottery helper: digit scores and your own forecasts")
set(CPACK_STRIP_FILES ON)
if(UNIX AND NOT APPLE)
  include(${CMAKE_CURRENT_LIST_DIR}/Debian.cmake)
endif()
include(CPack)

if(BUILD_TESTING AND UNIX AND NOT APPLE)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  set(staging ${PROJECT_BINARY_DIR}/staging)
  add_test(NAME install_to_staging
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${staging})
  set_tests_properties(install_to_staging PROPERTIES FIXTURES_SETUP staging)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid
      COMMAND ${DESKTOP_FILE_VALIDATE} ${staging}/share/applications/${KAZUYOMI_APP_ID}.desktop)
    set_tests_properties(desktop_entry_valid PROPERTIES FIXTURES_REQUIRED staging)
  else()
    message(WARNING "desktop-file-validate not found: the desktop entry is not validated")
  endif()
  if(APPSTREAMCLI)
    add_test(NAME metainfo_valid
      COMMAND ${APPSTREAMCLI} validate --no-net --explain
              ${staging}/share/metainfo/${KAZUYOMI_APP_ID}.metainfo.xml)
    set_tests_properties(metainfo_valid PROPERTIES FIXTURES_REQUIRED staging)
  else()
    message(WARNING "appstreamcli not found: the metainfo is not validated")
  endif()
endif()
