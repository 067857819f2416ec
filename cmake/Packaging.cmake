# The Debian package: `cpack -G DEB` in the build folder (scripts/package does it) makes
# quortosk_<version>_<arch>.deb of everything the install rules put under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quortosk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel Tosk developers")
set(CPACK_PACKAGE_CONTACT "Quorvel Tosk developers <quortosk@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech-friendly plain-text editor")
# The summary is the Description's first line; this text follows it.
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel Tosk edits several text files at once, each on its own tab. It
converts text between the Czech 8-bit character sets (Windows 1250,
Kamenicky, Latin 2, ISO 8859-2), cleans up T602 documents, checks spelling
with Hunspell and puts user tags around the selection. The user interface
is Czech, with an English translation.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the build's own output: no source package, and no stray files of the build folder.
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps computes the libraries the program links. It cannot see the plugins Qt
# loads at run time: the icons are SVG (libqt6svg6's image plugin), Wayland needs
# qt6-wayland, and Qt's own dialogs speak Czech with qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Courier New, the editor's font, is Liberation Mono here; hunspell-cs is the Czech speller.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-liberation, hunspell-cs")

include(CPack)
