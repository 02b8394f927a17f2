# The Debian package: the copyright file, changelog and manual pages Debian wants, CPack's DEB
# settings, and the program built the way Debian builds its own, so that lintian accepts it.

set(debian_sources ${CMAKE_CURRENT_LIST_DIR}/debian)
set(man_sources ${CMAKE_CURRENT_LIST_DIR}/man)
set(gzipped ${PROJECT_BINARY_DIR}/debian)

# The changelog names the version the package carries; a release bumps both together.
file(STRINGS ${debian_sources}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^kazuyomi \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog does not start with version ${PROJECT_VERSION}: "
                      "${changelog_head}")
endif()

# Debian's documentation is gzipped at the highest level, without the file's name and time, so
# that the same sources give the same package.
find_program(GZIP gzip REQUIRED)
set(gzipped_files)
foreach(pair IN ITEMS
    "${debian_sources}/changelog|changelog"
    "${man_sources}/kazuyomi.1|man/kazuyomi.1"
    "${man_sources}/kazuyomi.ja.1|man/ja/kazuyomi.1")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 plain)
  add_custom_command(OUTPUT ${gzipped}/${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${gzipped}/${plain}
    COMMAND ${GZIP} -9nf ${gzipped}/${plain}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND gzipped_files ${gzipped}/${plain}.gz)
endforeach()
add_custom_target(kazuyomi_debian_docs ALL DEPENDS ${gzipped_files})

install(FILES ${debian_sources}/copyright ${gzipped}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${gzipped}/man/kazuyomi.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gzipped}/man/ja/kazuyomi.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)

# CPack's strip keeps the compiler's .comment and the .note section; Debian's drops them.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(
      COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:kazuyomi>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# Debian builds its programs fortified, with the stack protector, and with relocations read-only
# and bound at start. Fortified functions need the optimiser and would hide faults from
# AddressSanitizer, so sanitized builds go without.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(harden_default OFF)
else()
  set(harden_default ON)
endif()
option(KAZUYOMI_HARDENING "Build the program with Debian's hardening flags" ${harden_default})
if(KAZUYOMI_HARDENING)
  foreach(target kazuyomi_core kazuyomi_ui kazuyomi)
    target_compile_options(${target} PRIVATE
      -fstack-protector-strong
      "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endforeach()
  target_link_options(kazuyomi PRIVATE LINKER:-z,relro,-z,now)
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; lintian wants every line within 80
# characters, and a Japanese character takes two columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Kazuyomi (カズヨミ) is a small desktop program for players of the Japanese
Numbers lottery (ナンバーズ). A launcher opens two tools:
 - おまかせナンバーズ (auto-pick) scores the ten digits from the last
   three Numbers 4 draws and suggests 35 numbers to buy;
 - 自力でナンバーズ (self-pick) keeps up to 50 forecasts of your own
   and checks each new one for straight and box duplicates.

It reads and writes no files and uses no network. Its texts are Japanese.]])
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugin at run time, so shlibdeps cannot see it; the forms want a
# Japanese face.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
