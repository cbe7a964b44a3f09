# Installation (cmake --install, make install) and the Debian package (cpack).
# The installed program finds its templates at ../share/korvalt/Template from
# its own folder, so bin and share are fixed names below the prefix.
set(KORVALT_PKG ${CMAKE_SOURCE_DIR}/packaging)
set(KORVALT_DOC share/doc/korvalt)

install(TARGETS korvalt korvalt-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/Template/ DESTINATION share/korvalt/Template
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${KORVALT_PKG}/de.korvalt.Korvalt.desktop DESTINATION share/applications)
install(FILES ${KORVALT_PKG}/de.korvalt.Korvalt.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/de.korvalt.Korvalt.svg
        DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor DESTINATION share/icons)

# Manual pages and the Debian changelog are installed compressed, without a
# time stamp in the archive, as Debian expects.
set(KORVALT_GZ_FILES)
foreach(source korvalt.1 korvalt-cli.1 changelog)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
  if(source STREQUAL "changelog")
    set(gz ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
  endif()
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9n -c '${KORVALT_PKG}/${source}' > '${gz}'"
    DEPENDS ${KORVALT_PKG}/${source} VERBATIM)
  list(APPEND KORVALT_GZ_FILES ${gz})
endforeach()
add_custom_target(korvalt_packaging_files ALL DEPENDS ${KORVALT_GZ_FILES})
install(FILES ${CMAKE_BINARY_DIR}/packaging/korvalt.1.gz ${CMAKE_BINARY_DIR}/packaging/korvalt-cli.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz ${KORVALT_PKG}/copyright
        DESTINATION ${KORVALT_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvalt)
set(CPACK_PACKAGE_VERSION 1.0)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Korvalt developers <korvalt@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvalt developers <korvalt@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VHDL generator for templates, state machines and testbenches")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A desktop tool for digital-hardware designers, with a German user
interface. It expands parameterised template modules into VHDL files,
turns a Moore or Mealy state-machine description into a VHDL file, writes
a testbench skeleton for an existing design and inserts a component
declaration and instance into a VHDL file.
.
The package also holds korvalt-cli, which offers the same commands for
scripts and build systems.")
# Libraries from the linked programs, plus what Qt loads at run time: the
# platform plugins (no window without them) and the German texts of the
# standard buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ghdl, graphviz, yosys")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
