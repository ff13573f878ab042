# A Debian package of what `cmake --install` puts in place, made from the build directory with
#     cpack -G DEB
# and installed with `sudo apt-get install ./quorrel-baccarat_*.deb`. The libraries the programs link
# are found by dpkg-shlibdeps (Qt's X11 platform plugin comes with its GUI library); the font the
# cards are drawn in and the icon theme the icon goes into are recommended.
set(CPACK_PACKAGE_NAME quorrel-baccarat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorrel Baccarat")
set(CPACK_PACKAGE_CONTACT "Quorrel Baccarat maintainers <quorrel-baccarat@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Baccarat table and trainer: play, mark the shoe, try betting strategies without money")
set(CPACK_PACKAGE_DESCRIPTION
    "A baccarat table for one player with two betting positions, dealt from a shoe of 1 to 8 decks by \
the standard drawing rules, face up or face down and squeezed open. Every hand is marked on a marking \
card; side windows list and count the cards dealt, keep the statistics of both positions, show the \
exact odds of the next hand and the roads of the shoe, and a strategy lab plays betting systems over \
many sessions. Includes baccarat-sim, the same game without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quorrel-baccarat_2.1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, hicolor-icon-theme")

include(CPack)
