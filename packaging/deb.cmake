# The Debian package (`make deb`, or `cpack` in a build folder): tessarix_VERSION-1_ARCH.deb.
# CPack packs the programs this build made, so the package needs no second build and no
# packaging tools beyond dpkg-dev. Its files come from an install component of their own,
# "deb", laid out as Debian's games are: the programs in /usr/games, the level files in
# /usr/share/games/tessarix. A plain `cmake --install` leaves that component out.
set(TESSARIX_DEB_PREFIX /usr)
set(TESSARIX_DEB_MAINTAINER "The Tessarix developers <tessarix@noreply.codeberg.org>")
set(TESSARIX_HOMEPAGE https://codeberg.org/tessarix/tessarix)

install(TARGETS tessarix tessarix-puzzles RUNTIME DESTINATION games
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES data/leicht.trx data/mittel.trx data/schwer.trx data/extrem.trx
        DESTINATION share/games/tessarix COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES data/linux/${TESSARIX_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES data/linux/${TESSARIX_APP_ID}.metainfo.xml DESTINATION share/metainfo
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES packaging/deb/copyright DESTINATION share/doc/tessarix COMPONENT deb EXCLUDE_FROM_ALL)
# The files Debian wants in another shape than the source holds them, made as the package is
# put together (packaging/deb_files.cmake).
install(CODE "
  set(TESSARIX_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(TESSARIX_WORK_DIR \"${PROJECT_BINARY_DIR}/deb-files\")
  set(TESSARIX_APP_ID \"${TESSARIX_APP_ID}\")
  set(TESSARIX_GAME_PATH \"${TESSARIX_DEB_PREFIX}/games/tessarix\")
  include(\"${PROJECT_SOURCE_DIR}/packaging/deb_files.cmake\")
" COMPONENT deb EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessarix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TESSARIX_DEB_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESSARIX_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX ${TESSARIX_DEB_PREFIX})
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Tessarix;deb;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSARIX_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the programs themselves (dpkg-shlibdeps); the rest is what the
# drawing and the window need at run time: the fonts it names, and Qt's display plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2 | fonts-liberation, fonts-dejavu-core, qt6-qpa-plugins")
# Qt's own dialogs (the print dialog) in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku on nine overlapping grids")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Tessarix is a Sudoku whose field is not one grid but nine overlapping
9 x 9 grids on a diamond: twelve shared boxes, 621 cells. It deals puzzles
of four levels from its own library and shuffles them into new ones, takes
digits through a small keypad or the keyboard, shows candidates, checks
entries against the solution it derives itself, solves by logic, saves four
boards, prints, times games and keeps a hall of fame. Its window speaks
German.
.
The package also holds tessarix-puzzles, a command-line tool that makes,
shows, solves and shuffles puzzle files.]])
include(CPack)
