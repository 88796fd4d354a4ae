include(GNUInstallDirs)
install(TARGETS velmora-player RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
