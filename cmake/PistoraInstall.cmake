# Installation in the usual places of a desktop system, and the Debian package (cpack -G DEB).
#   bin/pistora, bin/pistora-cli
#   share/pistora/lng/*.lng, share/pistora/pictures/*.bmp, share/pistora/translations/*.qm
#   share/applications, share/metainfo, share/icons/hicolor/scalable/apps, share/man/man1
# The program finds its data beside the executable first (the build folder), then in
# ../share/pistora/<kind> (core/settings/program_data.h).
include(GNUInstallDirs)

set(PISTORA_APP_ID io.github.pistora.Pistora)
set(PISTORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/pistora)
set(dist ${PROJECT_SOURCE_DIR}/dist)

if(TARGET pistora)
  install(TARGETS pistora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET pistora-cli)
  install(TARGETS pistora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${PROJECT_SOURCE_DIR}/lng/fr.lng ${PROJECT_SOURCE_DIR}/lng/en.lng DESTINATION ${PISTORA_DATA_DIR}/lng)
install(FILES ${PROJECT_SOURCE_DIR}/pictures/loupe.bmp ${PROJECT_SOURCE_DIR}/pictures/masque.bmp
        DESTINATION ${PISTORA_DATA_DIR}/pictures)
if(PISTORA_QM_FILES)
  install(FILES ${PISTORA_QM_FILES} DESTINATION ${PISTORA_DATA_DIR}/translations)
endif()

configure_file(${dist}/${PISTORA_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/dist/${PISTORA_APP_ID}.metainfo.xml @ONLY)
foreach(page pistora.1 pistora-cli.1)
  configure_file(${dist}/man/${page} ${CMAKE_BINARY_DIR}/dist/man/${page} @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/dist/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${dist}/${PISTORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${PISTORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/pistora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME pistora)
set(CPACK_PACKAGE_VENDOR "Pistora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mill printed circuit boards from a black and white artwork")
set(CPACK_PACKAGE_CONTACT "Pistora <pistora@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)  # Qt's own dialog words in French
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the Qt libraries the programs link, found by dpkg-shlibdeps
set(CPACK_STRIP_FILES ON)  # the debugging data stays in the build folder
set(CPACK_GENERATOR DEB)
include(CPack)
