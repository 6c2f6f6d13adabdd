# Installs the build into a fresh temporary prefix and checks that exactly the install set is
# there, with the icon's PNGs at their sizes, and that the metadata finds its desktop entry there:
#     cmake -D BUILD_DIR=<build folder> -D APP_ID=<id> -D APPSTREAMCLI=<path> -P install_layout.cmake
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    OUTPUT_QUIET RESULT_VARIABLE installed)

set(sizes 16 22 24 32 48 64 128 256)
set(expected
    bin/velmora
    share/velmora/VLhelp.hlp
    share/velmora/velmora-chime.wav
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man1/velmora.1
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
list(SORT files)

# A PNG's width and height stand at bytes 16 to 23, big-endian.
set(wrong_sizes)
foreach(size IN LISTS sizes)
    set(png ${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(EXISTS ${png})
        file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING ${header} 0 8 width)
        string(SUBSTRING ${header} 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            list(APPEND wrong_sizes "${size}x${size} is ${width}x${height}")
        endif()
    endif()
endforeach()

execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${prefix}
    OUTPUT_VARIABLE tree_report ERROR_VARIABLE tree_report RESULT_VARIABLE tree_valid)

file(REMOVE_RECURSE ${prefix})

if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
if(NOT files STREQUAL expected)
    string(REPLACE ";" "\n  " files "${files}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "installed:\n  ${files}\nexpected:\n  ${expected}")
endif()
if(NOT tree_valid EQUAL 0)
    message(FATAL_ERROR "the installed metadata does not fit the tree:\n${tree_report}")
endif()
if(wrong_sizes)
    message(FATAL_ERROR "icons of the wrong size: ${wrong_sizes}")
endif()
