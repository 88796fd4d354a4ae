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

# What software centres read: the metainfo, with the project version filled in.
set(VELMORA_METAINFO ${CMAKE_BINARY_DIR}/data/org.velmora.player.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/org.velmora.player.metainfo.xml.in ${VELMORA_METAINFO}
    @ONLY)
install(FILES ${VELMORA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog go in gzipped, as Debian wants them; -n leaves out the time
# stamp, so every build gives the same bytes.
set(VELMORA_MAINTAINER "Velmora developers <velmora-player@example.org>")
execute_process(COMMAND date -R -u -d ${VELMORA_RELEASE_DATE}
    OUTPUT_VARIABLE VELMORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${CMAKE_BINARY_DIR}/data/changelog
    @ONLY)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/data/man)
set(velmora_gzipped "")
function(velmora_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9nc ${source} > ${output}
        DEPENDS ${source} VERBATIM)
    set(velmora_gzipped ${velmora_gzipped} ${output} PARENT_SCOPE)
endfunction()
velmora_gzip(${CMAKE_BINARY_DIR}/data/changelog ${CMAKE_BINARY_DIR}/data/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/changelog.gz ${PROJECT_SOURCE_DIR}/data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora-player)
foreach(program velmora-player velmora-demo-server velmora-pairing-server)
    if(TARGET ${program})
        velmora_gzip(${PROJECT_SOURCE_DIR}/data/man/${program}.1
            ${CMAKE_BINARY_DIR}/data/man/${program}.1.gz)
        install(FILES ${CMAKE_BINARY_DIR}/data/man/${program}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()
add_custom_target(velmora-docs ALL DEPENDS ${velmora_gzipped})
