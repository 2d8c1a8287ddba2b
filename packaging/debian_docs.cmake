# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after the staging install: adds the files only a Debian package carries.
file(COPY ${CPACK_MIRELTA_DEBIAN_DOC_FILES}
     DESTINATION ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/${CPACK_MIRELTA_DEBIAN_DOCDIR})
