# Installs the build into a scratch prefix and checks what a desktop needs to find the player:
# the program, its menu entry (valid, naming the installed program) and its icon.
# Inputs: BUILD_DIR, PREFIX (emptied first), BINDIR, DATADIR. Run with `cmake -P`.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(failures "")
set(program "${PREFIX}/${BINDIR}/velmora-player")
set(entry "${PREFIX}/${DATADIR}/applications/velmora-player.desktop")
set(icons "${PREFIX}/${DATADIR}/icons/hicolor")

execute_process(COMMAND test -f "${program}" -a -x "${program}" RESULT_VARIABLE missing)
if(missing)
    string(APPEND failures "  no executable program at ${program}\n")
else()
    # Build-tree library paths are gone after installing; everything must resolve without them.
    file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${program}"
        RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
    if(unresolved)
        string(APPEND failures "  libraries the installed program cannot find: ${unresolved}\n")
    endif()
endif()

foreach(icon scalable/apps/velmora-player.svg 48x48/apps/velmora-player.png
        128x128/apps/velmora-player.png 256x256/apps/velmora-player.png)
    if(NOT EXISTS "${icons}/${icon}")
        string(APPEND failures "  no icon ${icons}/${icon}\n")
    endif()
endforeach()

if(NOT EXISTS "${entry}")
    string(APPEND failures "  no menu entry at ${entry}\n")
else()
    file(STRINGS "${entry}" lines)
    foreach(wanted "Type=Application" "Name=Velmora Player" "Exec=${program}"
            "Icon=velmora-player" "Categories=AudioVideo;Video;Player;TV;")
        list(FIND lines "${wanted}" at)
        if(at EQUAL -1)
            string(APPEND failures "  the menu entry lacks the line \"${wanted}\"\n")
        endif()
    endforeach()
    find_program(VALIDATE desktop-file-validate)
    if(VALIDATE)
        execute_process(COMMAND "${VALIDATE}" "${entry}"
            RESULT_VARIABLE invalid OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
        if(invalid OR NOT complaints STREQUAL "")
            string(APPEND failures "  desktop-file-validate (${invalid}): ${complaints}\n")
        endif()
    else()
        message(STATUS "desktop-file-validate is not installed: the entry's syntax is unchecked")
    endif()
endif()

if(failures)
    message(FATAL_ERROR "installed into ${PREFIX}, but:\n${failures}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "program, menu entry and icons installed and found")
