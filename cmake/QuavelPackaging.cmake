# What `cmake --install` puts where, and the Debian package made of it:
# `cmake --build BUILD --target package`, or `cpack -G DEB` in the build folder.
# The desktop entry, icons, metainfo and file type come from
# desktop/CMakeLists.txt, the manual pages, changelog and copyright from
# doc/CMakeLists.txt, the shell completions from completions/CMakeLists.txt.
include(GNUInstallDirs)
install(TARGETS quavel-cli)
# The SSH_ASKPASS helper of publishing over SFTP, where the transport looks for it.
install(TARGETS quavel-askpass DESTINATION ${QUAVEL_HELPER_DIR})
if(TARGET quavel)
    install(TARGETS quavel)
endif()

set(CPACK_PACKAGE_NAME quavel)
set(CPACK_PACKAGE_VENDOR "The Quavel developers")
set(CPACK_PACKAGE_CONTACT "The Quavel developers <qv.editor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quavel.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped below 80 columns, as Debian's tools show it.
set(CPACK_PACKAGE_DESCRIPTION
    "Quavel chooses, for each side of a Custom Combat battle, the team, the
allowed kits and weapon slots and the vehicle that stands in for each of
the game's vehicles, and publishes the profile to the game's or the
dedicated server's settings folder. quavel-cli does the same from a
terminal.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for a game, not a game: Debian's games section holds games only,
# whose programs go to /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries' packages, found by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Publishing to SFTP servers runs the system's ssh, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "openssh-client")
if(TARGET quavel)
    # The toolkit loads its window-system plugins at run time, and the window's
    # font by name; dpkg-shlibdeps sees neither.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, qt6-qpa-plugins, fonts-liberation2")
endif()
include(CPack)
