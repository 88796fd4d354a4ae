# Runs at install time (see VelmoraInstall.cmake): writes the menu entry with Exec set to the
# program's full installed path. Inputs: VELMORA_DESKTOP_TEMPLATE, VELMORA_DESKTOP_FILE,
# VELMORA_BINDIR (relative to CMAKE_INSTALL_PREFIX unless absolute).
set(bindir "${VELMORA_BINDIR}")
if(NOT IS_ABSOLUTE "${bindir}")
    set(bindir "${CMAKE_INSTALL_PREFIX}/${bindir}")
endif()
set(program "${bindir}/velmora-player")
if(NOT program MATCHES "^[A-Za-z0-9/._+-]+$")
    # Quoted as the desktop entry format wants: inside double quotes, " ` $ and \ take a
    # backslash, and every backslash of the value is then doubled once more.
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" program "${program}")
    string(REPLACE "\\" "\\\\" program "${program}")
    set(program "\"${program}\"")
endif()
file(READ "${VELMORA_DESKTOP_TEMPLATE}" entry)
string(REPLACE "\nExec=velmora-player\n" "\nExec=${program}\n" entry "${entry}")
file(WRITE "${VELMORA_DESKTOP_FILE}" "${entry}")
