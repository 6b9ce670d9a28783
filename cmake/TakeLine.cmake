# take_line(<text variable> <line variable>): moves the text's first line, up to its "\n" (dropped), into
# the line variable; the whole text when it holds no "\n". Lines are taken one by one rather than split
# into a list, which would break at every ";" and "[" in them.
function(take_line text_var line_var)
    string(FIND "${${text_var}}" "\n" end)
    if(end EQUAL -1)
        set(${line_var} "${${text_var}}" PARENT_SCOPE)
        set(${text_var} "" PARENT_SCOPE)
    else()
        string(SUBSTRING "${${text_var}}" 0 ${end} line)
        math(EXPR end "${end} + 1")
        string(SUBSTRING "${${text_var}}" ${end} -1 rest)
        set(${line_var} "${line}" PARENT_SCOPE)
        set(${text_var} "${rest}" PARENT_SCOPE)
    endif()
endfunction()
