# Makes the Debian package of the build with cpack, unpacks it into a scratch root (dpkg -x) and
# checks its control fields, its files, the menu entry and the metainfo. As root with
# VELMORA_TEST_SYSTEM_INSTALL=1 it also installs the package with apt-get, starts the installed
# player on $DISPLAY for a few seconds and purges the package again.
# Inputs: BUILD_DIR, CPACK (the cpack program), VERSION (the project version). Run with `cmake -P`.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND mktemp -d --tmpdir velmora-package.XXXXXX
    OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(root "${work}/root")
set(failures "")

macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
endmacro()
macro(run_or_fail what)
    run(${ARGN})
    if(NOT result EQUAL 0)
        file(REMOVE_RECURSE "${work}")
        message(FATAL_ERROR "${what} failed (${result}):\n${output}")
    endif()
endmacro()

run_or_fail("cpack" "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${work}")
file(GLOB deb "${work}/velmora-player_*.deb")
list(LENGTH deb debs)
if(NOT debs EQUAL 1)
    file(REMOVE_RECURSE "${work}")
    message(FATAL_ERROR "cpack made ${debs} packages named velmora-player_*.deb: ${deb}")
endif()

# Control fields: the version is the project's; the dependencies are the linked libraries'
# packages plus what is only loaded at run time.
run_or_fail("dpkg-deb -f" dpkg-deb -f "${deb}" Version Depends Recommends)
if(NOT output MATCHES "Version: ${VERSION}\n")
    string(APPEND failures "  the package's version is not ${VERSION}:\n${output}\n")
endif()
string(REGEX REPLACE ".*\nDepends: ([^\n]*).*" "\\1" depends "\n${output}")
# Names in every script need fonts a bare system lacks (the demo's own are Arabic, Hebrew, CJK).
string(REGEX REPLACE ".*\nRecommends: ([^\n]*).*" "\\1" recommends "\n${output}")
foreach(package ffmpeg fonts-noto-core fonts-noto-cjk)
    if(NOT ", ${recommends}," MATCHES ", ${package}[ ,]")
        string(APPEND failures "  Recommends lacks ${package}: ${recommends}\n")
    endif()
endforeach()
foreach(package libvlc5 libqt6widgets6 libqt6httpserver6 libqrcodegencpp1 libsimdjson14
        libvlc-bin vlc-plugin-base vlc-plugin-video-output libqt6sql6-sqlite)
    if(NOT ", ${depends}," MATCHES ", ${package}[ ,]")
        string(APPEND failures "  Depends lacks ${package}: ${depends}\n")
    endif()
endforeach()

# Exactly these files: nothing missing, and no build or test leftovers.
run_or_fail("dpkg -x" dpkg -x "${deb}" "${root}")
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT files)
set(expected
    usr/bin/velmora-demo-server
    usr/bin/velmora-pairing-server
    usr/bin/velmora-player
    usr/share/applications/velmora-player.desktop
    usr/share/doc/velmora-player/changelog.gz
    usr/share/doc/velmora-player/copyright
    usr/share/icons/hicolor/128x128/apps/velmora-player.png
    usr/share/icons/hicolor/256x256/apps/velmora-player.png
    usr/share/icons/hicolor/48x48/apps/velmora-player.png
    usr/share/icons/hicolor/scalable/apps/velmora-player.svg
    usr/share/man/man1/velmora-demo-server.1.gz
    usr/share/man/man1/velmora-pairing-server.1.gz
    usr/share/man/man1/velmora-player.1.gz
    usr/share/metainfo/org.velmora.player.metainfo.xml)
if(NOT files STREQUAL expected)
    string(REPLACE ";" "\n    " got "${files}")
    string(APPEND failures "  the package holds other files than expected:\n    ${got}\n")
endif()
foreach(program velmora-player velmora-demo-server velmora-pairing-server)
    run(test -x "${root}/usr/bin/${program}")
    if(NOT result EQUAL 0)
        string(APPEND failures "  /usr/bin/${program} is not executable\n")
    endif()
endforeach()

set(entry "${root}/usr/share/applications/velmora-player.desktop")
if(EXISTS "${entry}")
    file(STRINGS "${entry}" lines)
    set(exec "Exec=/usr/bin/velmora-player")
    if(NOT exec IN_LIST lines)
        string(APPEND failures "  the menu entry does not start /usr/bin/velmora-player\n")
    endif()
    run(desktop-file-validate "${entry}")
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        string(APPEND failures "  desktop-file-validate (${result}): ${output}\n")
    endif()
endif()

# The metainfo against the entry and the icons beside it, as software centres read them.
set(metainfo "${root}/usr/share/metainfo/org.velmora.player.metainfo.xml")
if(EXISTS "${metainfo}")
    file(READ "${metainfo}" text)
    if(NOT text MATCHES "<release version=\"${VERSION}\"")
        string(APPEND failures "  the metainfo's release is not ${VERSION}\n")
    endif()
    run(appstreamcli validate-tree --no-net "${root}")
    if(NOT result EQUAL 0)
        string(APPEND failures "  appstreamcli validate-tree (${result}):\n${output}\n")
    endif()
endif()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "package ${deb} (kept in ${work}):\n${failures}")
endif()

if("$ENV{VELMORA_TEST_SYSTEM_INSTALL}" STREQUAL "1")
    run(id -u)
    if(NOT output STREQUAL "0\n")
        message(FATAL_ERROR "VELMORA_TEST_SYSTEM_INSTALL=1 needs root for apt-get")
    endif()
    set(ENV{DEBIAN_FRONTEND} noninteractive)
    run(apt-get install -y --no-install-recommends "${deb}")
    if(NOT result EQUAL 0)
        set(failures "  apt-get install (${result}):\n${output}\n")
    else()
        file(GLOB cache /usr/lib/*/vlc/plugins/plugins.dat)
        if(NOT cache)
            string(APPEND failures "  no libVLC plugin cache (plugins.dat) after installing\n")
        endif()
        # A fresh profile; the player must still be running when the time is up.
        file(MAKE_DIRECTORY "${work}/home")
        set(ENV{HOME} "${work}/home")
        set(ENV{XDG_CONFIG_HOME} "${work}/home/.config")
        set(ENV{XDG_DATA_HOME} "${work}/home/.local/share")
        set(ENV{QT_QPA_PLATFORM} xcb)
        execute_process(COMMAND /usr/bin/velmora-player TIMEOUT 4 RESULT_VARIABLE result
            OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result MATCHES "timeout")
            string(APPEND failures
                "  the installed player ended within 4 s (${result}):\n${output}\n")
        endif()
    endif()
    run(apt-get purge -y velmora-player)
    if(NOT result EQUAL 0 OR EXISTS /usr/bin/velmora-player)
        string(APPEND failures "  apt-get purge velmora-player (${result}):\n${output}\n")
    endif()
    if(NOT failures STREQUAL "")
        message(FATAL_ERROR "installing ${deb} on this system (kept in ${work}):\n${failures}")
    endif()
    message(STATUS "installed with apt-get, started for 4 s and purged again")
endif()
file(REMOVE_RECURSE "${work}")
message(STATUS "package made, unpacked and checked")
