# What `cmake --install` puts where, and the two Debian packages made of it:
# `cmake --build BUILD --target package`, or `cpack -G DEB` in the build folder.
#   quavel-cli  the tool, its manual page and completions: all a headless
#               server needs, without the toolkit (install component cli)
#   quavel      the window, its desktop files and manual page; it depends on
#               quavel-cli of the same version (install component editor)
# Each folder's files go to the component the top CMakeLists.txt names for it;
# the desktop files come from desktop/CMakeLists.txt, the manual pages,
# changelog and copyright from doc/CMakeLists.txt, the shell completions from
# completions/CMakeLists.txt.
include(GNUInstallDirs)
install(TARGETS quavel-cli COMPONENT cli)
# The SSH_ASKPASS helper of publishing over SFTP, where the transport looks for it.
install(TARGETS quavel-askpass DESTINATION ${QUAVEL_HELPER_DIR} COMPONENT cli)
set(CPACK_COMPONENTS_ALL cli)
if(TARGET quavel)
    install(TARGETS quavel COMPONENT editor)
    list(APPEND CPACK_COMPONENTS_ALL editor)
endif()

set(CPACK_PACKAGE_NAME quavel)
set(CPACK_PACKAGE_VENDOR "The Quavel developers")
set(CPACK_PACKAGE_CONTACT "The Quavel developers <qv.editor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quavel.example.org/")
# Each package's description starts with a summary of its own; CPack would put
# a common one before both.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
# Wrapped below 80 columns, as Debian's tools show them.
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "Custom Combat profiles for Battlefield Vietnam from a terminal
quavel-cli lists, shows and changes the Custom Combat profiles of a folder:
for each side of a battle the team, the allowed kits and weapon slots and the
vehicle that stands in for each of the game's vehicles. It publishes a
profile to the game's or the dedicated server's settings folder, with JSON
and KEY=VALUE output for scripts. It needs no display, for servers reached
over SSH.")
set(CPACK_DEBIAN_EDITOR_DESCRIPTION
    "${PROJECT_DESCRIPTION}
Quavel chooses, for each side of a Custom Combat battle, the team, the
allowed kits and weapon slots and the vehicle that stands in for each of
the game's vehicles, and publishes the profile to the game's or the
dedicated server's settings folder. This package holds the editor window;
quavel-cli does the same from a terminal.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME quavel-cli)
set(CPACK_DEBIAN_EDITOR_PACKAGE_NAME quavel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for a game, not a game: Debian's games section holds games only,
# whose programs go to /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries' packages, found by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's package names the tool's, as "quavel-cli (= VERSION)".
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# libcurl is loaded only when an FTP server is reached, and libyaml only when
# a Lutris game file is read, so dpkg-shlibdeps sees neither. Publishing to SFTP servers runs the system's ssh, which
# dpkg-shlibdeps cannot see either; everything else works without it.
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS "libcurl4, libyaml-0-2")
set(CPACK_DEBIAN_CLI_PACKAGE_RECOMMENDS "openssh-client")
# The toolkit loads its window-system plugins at run time, and the window's
# font by name; dpkg-shlibdeps sees neither.
set(CPACK_DEBIAN_EDITOR_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
include(CPack)
cpack_add_component(cli)
if(TARGET quavel)
    cpack_add_component(editor DEPENDS cli)
endif()
