# The Debian package: "cpack -G DEB" in the build folder makes
# pinlark_<version>_<arch>.deb from the install rules (the app, pinlark-board, the
# sign-in library, the desktop entry and metainfo, icons, translations, help page).
# scripts/package builds and checks it.
#
# The runtime dependencies come from dpkg-shlibdeps, which reads every ELF file in the
# package: the app's Qt, libxml2, libplist and libcurl, and through the sign-in
# library the browser engine (libqt6webenginewidgets6 and what it needs). What is
# loaded at run time without being linked is named here: Qt's platform plugins (the
# app cannot show a window without the xcb one) and, recommended, Qt's own
# translations for its standard buttons.

set(PINLARK_PACKAGE_MAINTAINER "Pinlark developers <pinlark@marrowfield.invalid>"
    CACHE STRING "The Debian package's Maintainer field")

set(CPACK_PACKAGE_NAME pinlark)
set(CPACK_PACKAGE_VENDOR Marrowfield)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text snippets from a OneNote page, one click away in the tray")
set(CPACK_PACKAGE_CONTACT ${PINLARK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build's debug information stays in the build folder.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PINLARK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Below the summary line; CPack indents it and marks the blank line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pinlark lives in the system tray and keeps a board of ready-made text
snippets one click away. The snippets come from a page titled \"Pinlark\" in
your OneNote notebook: each level-1 heading is a tab, the paragraphs under it
are the items. Click an item and its text is on the clipboard; type in the
search field to filter every tab at once.

The package also holds pinlark-board, which prints the board Pinlark builds
from a page file.")
if(PINLARK_WEBSITE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PINLARK_WEBSITE_URL})
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# Values reach the package as written here, quotes and all.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
