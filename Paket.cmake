# The Debian package zelvor_<version>_<arch>.deb, made by `cpack` in the build folder (see scripts/paket).

# The licence and the notices of the libraries the programs use, in the package's documentation folder;
# the copyright file is Debian's machine-readable one (the Apache licence's text is in common-licenses).
include(GNUInstallDirs)
install(FILES LICENSE THIRD-PARTY-NOTICES DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelvor)
install(FILES cmake/debian-copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelvor RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zelvor <zelvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lieferfähigkeit von Erdgasbohrungen (C-Wert) auswerten")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "zelvor evaluates the deliverability of a natural-gas well: Z-factors, bottomhole pressures, P/Z\n and the C-value from measured operating points, as a desktop program and the command-line zelvor-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link are found by dpkg-shlibdeps; Qt's platform plugins are loaded at run
# time, so the desktop's (xcb) is named here. The German button texts and the table's font are wanted,
# not needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
include(CPack)
