# One interface target carries the project's compile settings; every target of ours links it.
add_library(velmora_options INTERFACE)
target_compile_options(velmora_options INTERFACE -Wall -Wextra)
target_compile_definitions(velmora_options INTERFACE
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_CAST_FROM_BYTEARRAY
    QT_USE_QSTRINGBUILDER)

# gold links the many test programs several times faster than the default linker. Not for
# fuzzing: clang's instrumentation has local symbols gold warns about by the hundred.
include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=gold" VELMORA_HAVE_GOLD)
if(VELMORA_HAVE_GOLD AND NOT VELMORA_FUZZ)
    target_link_options(velmora_options INTERFACE -fuse-ld=gold)
endif()

if(VELMORA_WERROR)
    target_compile_options(velmora_options INTERFACE -Werror)
endif()

if(VELMORA_SANITIZE)
    target_compile_options(velmora_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()

# Qt's headers dominate compile times; parse the common ones once per library. The base list
# holds nothing that draws: velmora_base links no such module.
option(VELMORA_PCH "Precompile the common Qt headers" ON)
set(VELMORA_PCH_BASE_HEADERS <QtCore/QtCore> <QtNetwork/QtNetwork>)
set(VELMORA_PCH_GUI_HEADERS <QtGui/QtGui> <QtWidgets/QtWidgets>)
function(velmora_precompile target)
    if(VELMORA_PCH)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/VelmoraLayers.cmake)

# Fuzzing: everything of ours gets coverage feedback and the sanitizers; the fuzz executables add
# libFuzzer's main (fuzz/CMakeLists.txt).
if(VELMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VELMORA_FUZZ needs clang: configure a build folder of its own with "
                            "CC=clang CXX=clang++ (scripts/fuzz.sh does)")
    endif()
    target_compile_options(velmora_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()
