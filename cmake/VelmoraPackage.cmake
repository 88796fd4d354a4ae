# `cpack` in a build folder makes the Debian package of what `cmake --install` installs
# (scripts/package.sh does it on a release build). Paths are those of the package, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora-player)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMORA_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop player for internet television (IPTV)")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora Player plays live channels, movies and series from Xtream Codes
player-API accounts and M3U/M3U8 playlists, with type-ahead search, poster
grids, audio and subtitle tracks, fullscreen and live channels that
reconnect by themselves. Servers can also be added from a phone with a
pairing code.
.
The package also holds velmora-demo-server, a made-up IPTV server for
trying the player, and velmora-pairing-server, the backend of phone
pairing.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Linked libraries come from dpkg-shlibdeps; the rest is loaded at run time: libVLC's plugins
# (demuxers and decoders, X11 video output), libvlc-bin, whose trigger writes the plugin cache
# that spares every start a dlopen of every plugin, and the Qt Sql SQLite driver. The demo
# server makes its clips and live channels with ffmpeg, which the player itself never needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libvlc-bin, vlc-plugin-base, vlc-plugin-video-output, libqt6sql6-sqlite")
# Channel and movie names come in every script: Noto covers Arabic, Hebrew and the rest of the
# world's alphabets, Noto CJK Chinese, Japanese and Korean, where a bare system draws boxes. Qt's
# own texts (standard buttons, file dialogs) in the user's language come with its translations;
# the program's own are built into it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "ffmpeg, fonts-noto-core, fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
