# `cmake --install build --prefix <p>` puts the player where desktops look for it: the program in
# bin, its menu entry in share/applications and its icon in the hicolor theme.
include(GNUInstallDirs)
install(TARGETS velmora-player RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry names the program by its full installed path, so it starts even when the
# prefix's bin folder is not on PATH (~/.local/bin often is not). The prefix is only known at
# install time (--prefix), so the entry is written then and installed like any other file.
set(VELMORA_DESKTOP_FILE ${CMAKE_BINARY_DIR}/data/velmora-player.desktop)
install(CODE "
    set(VELMORA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/velmora-player.desktop\")
    set(VELMORA_DESKTOP_FILE \"${VELMORA_DESKTOP_FILE}\")
    set(VELMORA_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/VelmoraDesktopEntry.cmake\")
")
install(FILES ${VELMORA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
