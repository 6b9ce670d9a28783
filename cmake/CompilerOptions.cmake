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

# rostermaker_portable_program(<target>): with ROSTERMAKER_PORTABLE, a program of the portable Linux folder,
# which must run on any system with glibc 2.34 or newer: libstdc++ linked in (older systems lack its newer
# symbol versions; libgcc stays the system's libgcc_s, as the static one of Debian 12 asks for glibc 2.35),
# unused sections dropped (among them libstdc++'s use of arc4random, glibc 2.36), and the two functions
# that glibc 2.35 versioned anew taken in their old versions (packaging/glibc-floor.cpp).
function(rostermaker_portable_program target)
    if(ROSTERMAKER_PORTABLE)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/packaging/glibc-floor.cpp)
        target_link_options(${target} PRIVATE -static-libstdc++ -Wl,--gc-sections,--wrap=hypot,--wrap=hypotf)
    endif()
endfunction()
