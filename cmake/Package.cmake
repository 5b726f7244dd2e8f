# make deb: a Debian package of the installed tree under /usr. dpkg-shlibdeps
# names the packages of the libraries the programs link; what they load
# without linking is named here: the faces the windows are drawn with, the
# icon theme whose index Qt needs to find the window's icon, and Qt's SQLite
# driver, a plugin, which keeps the history of every write.

set(OSTRAK_MAINTAINER "The Ostrak Editor developers <developers@ostrak.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ostrak-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for mixed-martial-arts fighter records")
set(CPACK_PACKAGE_DESCRIPTION
    "Ostrak Editor keeps one fighter at a time: names, body data, weight class,
game plan and eighteen attributes rated from 1 to 20. It saves the fighter as
a plain 28-line text file, loads such files back and shows six ratings
computed from the attributes. Captions come in Spanish or English.

The package also holds ostrak-fighter, a command-line companion that checks
fighter files with the editor's rules, prints their ratings and moves whole
rosters into a spreadsheet and back.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${OSTRAK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${OSTRAK_REPOSITORY_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, hicolor-icon-theme, libqt6sql6-sqlite")
# Qt's own dialogs (file choosers, the question before replacing a file) in
# Spanish when the editor's language is Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
