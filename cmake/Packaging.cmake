# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the desktop integration (launcher, icons, AppStream metadata),
# the documentation (cmake/PackageDocs.cmake) and describes the Debian
# package built with `cpack -G DEB`.
set(QUAVERO_APP_ID org.example.Quavero)

install(FILES ${CMAKE_SOURCE_DIR}/data/${QUAVERO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${QUAVERO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/quavero.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/quavero-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quavero.png)
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/PackageDocs.cmake)

set(CPACK_PACKAGE_NAME quavero)
set(CPACK_PACKAGE_VENDOR "The Quavero developers")
set(CPACK_PACKAGE_CONTACT "The Quavero developers <quavero@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch audio converter for the desktop and the command line")
set(CPACK_PACKAGE_DESCRIPTION "Quavero converts batches of audio files between fifteen formats
with per-format options and speed, gain, treble and bass effects. It comes as
a desktop program with a preview player and as quavero-cli for scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quavero.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Programs and plugins that are run or loaded at run time, which the shared
# library scan cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "ffmpeg, libavcodec-extra, sox, libsox-fmt-all, libqt6sql6-sqlite, qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Qt's own texts (the buttons of its dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The programs go into the package stripped; their debug information goes
# into quavero-dbgsym_<version>_<arch>.ddeb beside it.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_GENERATOR DEB)
include(CPack)
