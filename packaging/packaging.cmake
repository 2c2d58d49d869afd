# The manual page, the Debian documentation files and the Debian package (scripts/package), made from the
# install rules above. A package is built from a tree configured with CMAKE_INSTALL_PREFIX=/usr, so that the
# program finds /usr/share/tavi/installordner/ and the menu entry starts /usr/bin/tavi.

set(TAVI_MAINTAINER "TAVI-Team <maintainers@users.noreply.c-seed-3145f2a3.example>"
    CACHE STRING "The maintainer line of the Debian package")

# Debian keeps manual pages and changelogs compressed, without a name or time stamp in the gzip header, so that
# two builds of one source give the same bytes.
find_program(TAVI_GZIP gzip REQUIRED)
set(_man "${CMAKE_BINARY_DIR}/packaging/tavi.1.gz")
set(_changelog "${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz")
# The page names the program's version, the project's.
configure_file("${CMAKE_CURRENT_LIST_DIR}/tavi.1" "${CMAKE_BINARY_DIR}/packaging/tavi.1" @ONLY)
add_custom_command(OUTPUT "${_man}"
    COMMAND ${TAVI_GZIP} -9n -c "${CMAKE_BINARY_DIR}/packaging/tavi.1" > "${_man}"
    DEPENDS "${CMAKE_BINARY_DIR}/packaging/tavi.1" VERBATIM)
add_custom_command(OUTPUT "${_changelog}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/packaging"
    COMMAND ${TAVI_GZIP} -9n -c "${CMAKE_CURRENT_LIST_DIR}/changelog" > "${_changelog}"
    DEPENDS "${CMAKE_CURRENT_LIST_DIR}/changelog" VERBATIM)
add_custom_target(tavi_doku ALL DEPENDS "${_man}" "${_changelog}")

install(FILES "${_man}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/copyright" "${_changelog}" DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavi)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVI_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "primary-school mathematics for pupils and teachers (German)")
# A Debian description's lines stay short; CPack keeps the line breaks given here.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "TAVI is a program for learning and teaching mathematics in the first school\n"
    "years. Pupils work with interactive aids (hundred field, number line, sums to\n"
    "20 and 100, the multiplication table, written column methods digit by digit)\n"
    "and play maths and word games; teachers keep class lists, run diagnostic\n"
    "error analyses, read and print the pupils' protocols and print worksheets.\n"
    "Several PCs can share one data folder on a school's file share. All screen\n"
    "and paper texts are German.")
# The libraries come from the binary itself (dpkg-shlibdeps); the fonts the program draws with are loaded by
# name at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# Qt's own texts (an edit field's menu, standard buttons) are German only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Installed as into / with the prefix /usr, so that the paths computed at install time (the menu entry's
# Exec) are the installed ones, not the packaging folder's.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/paket")
include(CPack)
