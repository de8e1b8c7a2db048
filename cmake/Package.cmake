# What a school installs: `make package` builds a Debian package of the program with its
# menu entry, icon, file types, man page, AppStream metainfo, examples and ready
# materials. Its library dependencies are computed from the binary by dpkg-shlibdeps.

install(FILES data/murva.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  RENAME org.murva.Murva.metainfo.xml)
install(FILES examples/welcome.mrv examples/welcome-bg.jpg examples/cat.znd examples/house.znd
              examples/sun.znd
  DESTINATION ${CMAKE_INSTALL_DATADIR}/murva/examples)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/materials)
  install(DIRECTORY data/materials DESTINATION ${CMAKE_INSTALL_DATADIR}/murva)
endif()

# The man page and the Debian changelog, compressed as Debian wants them: reproducibly.
set(MURVA_GZIPPED ${CMAKE_BINARY_DIR}/gzipped)
foreach(pair "murva.1:data/murva.1" "changelog:data/package/changelog")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 source)
  add_custom_command(OUTPUT ${MURVA_GZIPPED}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MURVA_GZIPPED}
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} > ${MURVA_GZIPPED}/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/${source})
  list(APPEND MURVA_GZIPPED_FILES ${MURVA_GZIPPED}/${name}.gz)
endforeach()
add_custom_target(murva_gzipped ALL DEPENDS ${MURVA_GZIPPED_FILES})
install(FILES ${MURVA_GZIPPED}/murva.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MURVA_GZIPPED}/changelog.gz data/package/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/murva)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME murva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Murva developers <murva@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animation maker for children")
set(CPACK_PACKAGE_DESCRIPTION
  "A child puts drawings into numbered cuts, drags each figure's end copy\n\
to where it should go, and presses play: every figure glides from its\n\
start to its end. Drawings are made in the program or taken from a\n\
library of ready pictures; films are shared as GIF or video, and a\n\
storyboard can be printed. The words are in kanji, hiragana or English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link names: the window needs Qt's platform plugin, the Japanese font
# and Qt's own Japanese words.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
