# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` from the build folder: mirelta_<version>_<arch>.deb. The desktop, MIME and icon
# caches are refreshed by the file triggers of desktop-file-utils, shared-mime-info and
# hicolor-icon-theme, so the package needs no maintainer scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirelta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Mirelta developers <mirelta@example.org>" CACHE STRING
    "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for a satellite meter's saved measurements")
# CPack puts the summary first and indents these lines itself.
set(CPACK_PACKAGE_DESCRIPTION
    "Mirelta opens the memory image that a hand-held DVB-S/S2 satellite meter
saves, lists its Satellite Finding, constellation and spectrum snapshots and
redraws the meter's own screen for the chosen one, with its labels in English
or French. The redrawn screen can be saved as a BMP or PNG picture.

The command-line tool mirelta-cli lists, dumps, describes and renders the
same snapshots without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so shlibdeps cannot see them; the replica asks for
# Arial, which Liberation Sans stands in for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# The Chinese labels' font, and the satellite lists that identify matches against.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, dtv-scan-tables, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian's copyright file and changelog go into the package only, not into plain installs.
# A native package: its changelog is changelog.gz.
configure_file(changelog.in changelog @ONLY)
execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog
                OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_MIRELTA_DEBIAN_DOC_FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright
    ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
set(CPACK_MIRELTA_DEBIAN_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian_docs.cmake)
include(CPack)
