# The Debian package that "./build.sh package" makes: rooster2_<version>_<arch>.deb
# in the build folder, with its dependencies worked out from the binaries.

set(ROOSTER2_PACKAGE_MAINTAINER "Rooster2 <rooster2@example.org>" CACHE STRING
    "Name and mail address in the Maintainer field of the Debian package")
# The changelog's date: the time of the source when SOURCE_DATE_EPOCH says so.
string(TIMESTAMP ROOSTER2_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rooster2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make and solve crossword puzzles (in Dutch)")
set(CPACK_PACKAGE_DESCRIPTION
    "Rooster2 is a tool for people who make and solve crossword-type puzzles.
It shapes grids of up to 100 by 100 cells, fills words and clues with help
from word lists, lets a search fill every open word, and imports and exports
many formats. The desktop program rooster2 and the command-line program
rooster2-cli speak Dutch; a Dutch word list set comes with them.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ROOSTER2_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The mail command hands the puzzle to xdg-email; Qt's own dialogs speak Dutch with
# the translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
