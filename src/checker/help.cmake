# Makes the checker's help and its manual page from one text, help.txt, so that the two cannot differ:
#
#   cmake -DINPUT=help.txt -DHEADER=checkerhelp.h -DMANPAGE=rostermaker-check.1 -DVERSION=1.0.0 -P help.cmake
#
# HEADER gets the text as it stands, as the C++ string CheckerHelpText that --help prints. MANPAGE gets
# it as a manual page (man(7) macros), read from the text's layout:
#   - the first line, "Usage: program arguments", is the synopsis; the second, a sentence, the name's
#     summary; the paragraphs after it, up to the first heading, the description;
#   - a heading is a line of its own at the left margin ending in ":" ("Options:"), a section of the page;
#   - in a section, an indented line holds a term, two or more blanks and its description
#     ("  -q, --quiet   print ..."); a line indented to the description's column goes on with it; a line
#     at the left margin is a paragraph.

include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/TakeLine.cmake")

file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")

# The text as a C++ string: one literal a line, so that no compiler meets a string too long.
function(cxx_literal line out)
    string(REPLACE "\\" "\\\\" line "${line}")
    string(REPLACE "\"" "\\\"" line "${line}")
    set(${out} "    \"${line}\\n\"\n" PARENT_SCOPE)
endfunction()

# Text for troff: backslashes and minus signs escaped (a "-" would print as a hyphen, which a shell does
# not take in an option), and a leading dot or quote kept from being read as a request.
function(troff_text line out)
    string(REPLACE "\\" "\\e" line "${line}")
    string(REPLACE "-" "\\-" line "${line}")
    if(line MATCHES "^[.']")
        set(line "\\&${line}")
    endif()
    set(${out} "${line}" PARENT_SCOPE)
endfunction()

set(header "// Made by help.cmake from help.txt: the text that rostermaker-check --help prints.\n#pragma once\n\n")
string(APPEND header "inline constexpr char CheckerHelpText[] =\n")
set(man "")
set(number 0)
set(section "")
set(description_column -1)
set(rest "${text}")
while(NOT rest STREQUAL "")
    take_line(rest line)
    math(EXPR number "${number} + 1")
    cxx_literal("${line}" literal)
    string(APPEND header "${literal}")

    if(number EQUAL 1)
        if(NOT line MATCHES "^Usage: ([^ ]+) (.*)$")
            message(FATAL_ERROR "${INPUT}:1: the first line must be \"Usage: program arguments\"")
        endif()
        set(program "${CMAKE_MATCH_1}")
        troff_text("${CMAKE_MATCH_1}" name)
        troff_text("${CMAKE_MATCH_2}" arguments)
        string(TOUPPER "${name}" title)
        # No hyphenation: names of rules and files break at their own hyphens or not at all.
        string(APPEND man ".TH ${title} 1 \"\" \"Rostermaker ${VERSION}\" \"User Commands\"\n.nh\n")
        set(synopsis ".SH SYNOPSIS\n.B ${name}\n${arguments}\n")
        continue()
    endif()
    if(number EQUAL 2)
        string(REGEX REPLACE "\\.$" "" summary "${line}")
        string(SUBSTRING "${summary}" 0 1 first)
        string(TOLOWER "${first}" first)
        string(SUBSTRING "${summary}" 1 -1 others)
        troff_text("${first}${others}" summary)
        string(APPEND man ".SH NAME\n${name} \\- ${summary}\n${synopsis}.SH DESCRIPTION\n")
        continue()
    endif()

    troff_text("${line}" shown)
    if(line STREQUAL "")
        set(paragraph_due TRUE)
    elseif(line MATCHES "^[A-Z][^:]*:$")
        string(REGEX REPLACE ":$" "" heading "${line}")
        string(TOUPPER "${heading}" heading)
        string(APPEND man ".SH ${heading}\n")
        set(section "${heading}")
        set(paragraph_due FALSE)
        set(description_column -1)
    elseif(line MATCHES "^( +)(.*)$" AND NOT section STREQUAL "")
        string(LENGTH "${CMAKE_MATCH_1}" indent)
        set(content "${CMAKE_MATCH_2}")
        if(indent EQUAL description_column)
            troff_text("${content}" content)
            string(APPEND man "${content}\n")
        elseif(content MATCHES "^([^ ]+( [^ ]+)*)(  +)(.*)$")
            set(term "${CMAKE_MATCH_1}")
            string(LENGTH "${CMAKE_MATCH_1}${CMAKE_MATCH_3}" term_width)
            math(EXPR description_column "${indent} + ${term_width}")
            troff_text("${term}" term)
            troff_text("${CMAKE_MATCH_4}" content)
            string(APPEND man ".TP\n\\fB${term}\\fR\n${content}\n")
        else()
            message(FATAL_ERROR "${INPUT}:${number}: an indented line must hold a term, blanks and its "
                                "description, or go on with the description above")
        endif()
        set(paragraph_due FALSE)
    else()
        if(paragraph_due)
            string(APPEND man ".PP\n")
        endif()
        string(APPEND man "${shown}\n")
        set(paragraph_due FALSE)
        set(description_column -1)
    endif()
endwhile()
string(APPEND header "    \"\";\n")

# Written only when changed, so that a build that changed nothing compiles nothing again.
function(write_if_changed path content)
    if(EXISTS "${path}")
        file(READ "${path}" old)
        if(old STREQUAL content)
            return()
        endif()
    endif()
    file(WRITE "${path}" "${content}")
endfunction()
write_if_changed("${HEADER}" "${header}")
write_if_changed("${MANPAGE}" "${man}")
