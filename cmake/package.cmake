# `cpack` in a Release tree: the Debian package tesvik_VERSION_amd64.deb of
# what cmake/install.cmake installs. Its dependencies are those of the
# binary (dpkg-shlibdeps) and the CJK font and Qt translations that the
# window shows its texts with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Tesvik developers <dev@tesvik.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "filter for PK10 picks by conditions with tolerance")
set(CPACK_PACKAGE_DESCRIPTION
    "Tesvik starts from every ordered pick of the first three, four, five or six
ranks of a PK10 draw, removes the picks that the player's conditions
exclude, each with its own tolerance range, and lists, counts and copies
what is left and checks a drawn result against it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tesvik.example.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
