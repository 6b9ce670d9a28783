# Warning, sanitizer and coverage flags shared by every target of the project.

add_library(rostermaker_options INTERFACE)

if(MSVC)
    target_compile_options(rostermaker_options INTERFACE /W4 /permissive- /utf-8)
    if(ROSTERMAKER_WERROR)
        target_compile_options(rostermaker_options INTERFACE /WX)
    endif()
else()
    target_compile_options(rostermaker_options INTERFACE -Wall -Wextra -Wpedantic)
    if(ROSTERMAKER_WERROR)
        target_compile_options(rostermaker_options INTERFACE -Werror)
    endif()
    if(ROSTERMAKER_SANITIZE)
        target_compile_options(rostermaker_options INTERFACE
            -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        target_link_options(rostermaker_options INTERFACE -fsanitize=address,undefined)
    endif()
    if(ROSTERMAKER_COVERAGE)
        target_compile_options(rostermaker_options INTERFACE --coverage -O0)
        target_link_options(rostermaker_options INTERFACE --coverage)
    endif()
endif()

# Qt: byte arrays never turn into text silently (files are converted at the boundary), and no
# deprecated API.
target_compile_definitions(rostermaker_options INTERFACE
    QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_DISABLE_DEPRECATED_BEFORE=0x060000)
