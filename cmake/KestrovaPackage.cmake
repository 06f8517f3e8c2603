# A Debian package of the installed game: `cpack -G DEB` in a built tree. dpkg-shlibdeps (dpkg-dev)
# works out the shared libraries; what the game loads only at run time is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "The Kestrova developers")
set(CPACK_PACKAGE_CONTACT "The Kestrova developers <maintainers@kestrova.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "horse-racing game that turns pictures into racehorses")
set(CPACK_PACKAGE_DESCRIPTION "Kestrova is a small single-player horse-racing game with a Japanese user interface.
Every picture dropped on one of the eight starting gates becomes a racehorse: its name,
sex, coat and abilities come from the picture, its four-generation pedigree from the
stud book that comes with the game. The eight horses then race on one of four courses.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window texts are set in IPA P Gothic; Qt finds its display connection in a plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
# More picture formats to drop on the gates.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-image-formats-plugins)

include(CPack)
