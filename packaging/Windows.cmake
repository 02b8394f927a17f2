# The Windows program as its users get it: one folder with kazuyomi.exe, the Qt libraries and
# plugins it loads, the MinGW runtime, Qt's Japanese texts and the licences of all of them; packed
# as an NSIS installer with a Start-menu entry and an uninstaller, and as a portable zip.

set(KAZUYOMI_ICO ${PROJECT_SOURCE_DIR}/packaging/windows/kazuyomi.ico)
configure_file(packaging/windows/kazuyomi.rc.in ${PROJECT_BINARY_DIR}/kazuyomi.rc @ONLY)
target_sources(kazuyomi PRIVATE ${PROJECT_BINARY_DIR}/kazuyomi.rc)

# Windows programs keep their files together; Qt looks for its plugins and translations beside
# the program when its libraries are there too.
install(TARGETS kazuyomi RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
include(${PROJECT_SOURCE_DIR}/cmake/MinGWRuntime.cmake)
install(FILES ${KAZUYOMI_MINGW_RUNTIME_DLLS} DESTINATION .)

# Debian's MinGW runtime and the Qt build keep symbol tables that no user needs (the C++ library
# alone is 23 MB with them, 2 MB without).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# Qt's own texts, such as the message box's button, in Japanese.
find_file(KAZUYOMI_QTBASE_JA qtbase_ja.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH
  REQUIRED)
install(FILES ${KAZUYOMI_QTBASE_JA} DESTINATION translations)

# Licences: the program's, Qt's with the bundled libraries built into it (gathered when Qt was
# built), and the MinGW runtime's as Debian ships them (with the GCC runtime library exception).
install(FILES LICENSE DESTINATION licenses/kazuyomi RENAME LICENSE.txt)
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/Qt)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
  DESTINATION licenses/MinGW-w64 RENAME gcc-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright
  DESTINATION licenses/MinGW-w64 RENAME mingw-w64-copyright.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses/MinGW-w64 RENAME GPL-3.txt)
install(FILES /usr/share/doc/qt6-translations-l10n/copyright
  DESTINATION licenses/Qt RENAME translations-copyright.txt)

set(CPACK_PACKAGE_INSTALL_DIRECTORY "カズヨミ")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "kazuyomi")
set(CPACK_PACKAGE_EXECUTABLES kazuyomi "カズヨミ")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_SYSTEM_NAME win64)

set(CPACK_NSIS_PACKAGE_NAME "カズヨミ")
set(CPACK_NSIS_DISPLAY_NAME "カズヨミ")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME kazuyomi.exe)
set(CPACK_NSIS_MUI_ICON ${KAZUYOMI_ICO})
set(CPACK_NSIS_MUI_UNIICON ${KAZUYOMI_ICO})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for a 64-bit program: Debian's NSIS has the stubs for it.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
