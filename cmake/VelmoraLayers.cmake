# velmora_check_layers(<base_dir> <gui_dir>): stops the configuration when a file under <base_dir>
# includes a file that lives under <gui_dir>, so the libraries' direction cannot quietly turn
# around. Both folders are include roots, so an include names a path below one of them.
function(velmora_check_layers base_dir gui_dir)
    file(GLOB_RECURSE base_files CONFIGURE_DEPENDS ${base_dir}/*.h ${base_dir}/*.cpp)
    foreach(file IN LISTS base_files)
        file(STRINGS ${file} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
            if(EXISTS ${gui_dir}/${header})
                message(FATAL_ERROR "${file} includes ${header} of ${gui_dir}")
            endif()
        endforeach()
    endforeach()
endfunction()
