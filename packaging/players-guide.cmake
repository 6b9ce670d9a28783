# The players' guide in the archives (README.txt), made from docs/players-guide.md for one system.
#
# docs/players-guide.md is the guide's only text. The repository shows it for both systems; each archive
# carries it for its own system. Passages that differ between the systems are blocks of whole lines:
#
#   <!-- Windows -->        the lines up to the next marker go into the Windows guide only
#   <!-- Linux -->          the lines up to the next marker go into the Linux guide only
#   <!-- both systems -->   ends a block: what follows goes into both
#
# On the repository's rendered page the markers are invisible comments and both blocks show, each
# starting with its system's name. For an archive, the other system's blocks are left out, so are the
# lines that are a whole comment (markers and notes to editors), and `<version>` becomes the version.
# The Windows guide has CR LF line ends, for Notepad on any Windows.
#
# Packaging.cmake includes this file; on its own it writes either guide, without building anything:
#   cmake -DSYSTEM=Windows -DOUTPUT=README.txt -P packaging/players-guide.cmake   (or -DSYSTEM=Linux)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    cmake_minimum_required(VERSION 3.22) # before the function, which keeps the policies of its definition
endif()

include("${CMAKE_CURRENT_LIST_DIR}/../cmake/TakeLine.cmake")

# rostermaker_players_guide(<source> <output> <Windows|Linux> <version>)
function(rostermaker_players_guide source output system version)
    if(NOT system MATCHES "^(Windows|Linux)$")
        message(FATAL_ERROR "The players' guide is made for Windows or Linux, not \"${system}\"")
    endif()
    file(READ "${source}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    set(guide "")
    set(block "both systems")
    set(line_number 0)
    while(NOT text STREQUAL "")
        take_line(text line)
        math(EXPR line_number "${line_number} + 1")
        set(where "${source}:${line_number}")
        string(STRIP "${line}" stripped)
        if(stripped MATCHES "^<!--.*-->$")
            if(stripped MATCHES "^<!-- (Windows|Linux|both systems) -->$")
                if(CMAKE_MATCH_1 STREQUAL block)
                    message(FATAL_ERROR "${where}: a second \"${CMAKE_MATCH_1}\" marker in a row")
                endif()
                set(block "${CMAKE_MATCH_1}")
            endif()
        elseif(stripped MATCHES "<!--|-->")
            # A comment over several lines would end up in the archives.
            message(FATAL_ERROR "${where}: a comment in the players' guide must be one whole line")
        elseif(block STREQUAL "both systems" OR block STREQUAL system)
            if(line MATCHES "[^\t -~]")
                message(WARNING "${where}: not ASCII; older Notepads show such characters wrongly")
            endif()
            string(APPEND guide "${line}\n")
        endif()
    endwhile()
    if(NOT block STREQUAL "both systems")
        message(FATAL_ERROR "${source}: the \"${block}\" block is not ended by <!-- both systems -->")
    endif()

    string(REGEX REPLACE "\n\n\n+" "\n\n" guide "${guide}")
    string(REGEX REPLACE "\n+$" "\n" guide "${guide}")
    string(REPLACE "<version>" "${version}" guide "${guide}")
    if(system STREQUAL "Windows")
        string(REPLACE "\n" "\r\n" guide "${guide}")
    endif()
    if(EXISTS "${output}")
        file(READ "${output}" written)
        if(written STREQUAL guide)
            return() # unchanged: the file keeps its time, and nothing is installed anew
        endif()
    endif()
    file(WRITE "${output}" "${guide}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
    if(NOT DEFINED SYSTEM OR NOT DEFINED OUTPUT)
        message(FATAL_ERROR "Usage: cmake -DSYSTEM=Windows|Linux -DOUTPUT=<file> -P ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    file(STRINGS "${source_dir}/CMakeLists.txt" project_line REGEX "^project\\(Rostermaker VERSION ")
    string(REGEX REPLACE "^project\\(Rostermaker VERSION ([0-9.]+).*" "\\1" version "${project_line}")
    rostermaker_players_guide("${source_dir}/docs/players-guide.md" "${OUTPUT}" "${SYSTEM}" "${version}")
endif()
