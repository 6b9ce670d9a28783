# Install rules and CPack: a portable folder that players unpack into their game folder.
#
# Everything goes to the top of the install prefix, because the editor finds its settings file beside
# its executable and, by default, the weapons file in the folder above (..\weapons.csv):
#
#   rostermaker            the editor (Rostermaker.exe on Windows)
#   rostermaker-check      the console checker of class files (rostermaker-check.exe on Windows)
#   rostermaker-check.1    Linux only: its manual page, made from src/checker/help.txt
#   rostermaker.ini        the settings with their defaults (Rostermaker.ini on Windows)
#   README.txt             the players' guide for this system (below)
#   Rostermaker            Linux only: the launcher that players start, which also adds the menu entry
#   rostermaker.png        Linux only: the icon for the menu entry
#   licenses/              Linux only: the licences of the window's font and, in the portable folder, of Qt
#   *.dll, platforms\ ...  Windows only: the Qt libraries, their plugins and the compiler's runtime
#
# The class files go to the characters folder, which the editor creates when it first starts.
#
#   cmake --install build/package --prefix <folder>     the folder itself
#   cd build/package && cpack                           the archive: TGZ on Linux, ZIP on Windows

# An install without --prefix fills a folder in the build tree rather than spreading a portable folder
# over /usr/local or C:\Program Files.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX "${PROJECT_BINARY_DIR}/Rostermaker" CACHE PATH "Install folder" FORCE)
endif()

set(ROSTERMAKER_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

# The checker reads the editor's settings file, so it lies beside the editor.
install(TARGETS rostermaker rostermaker_check RUNTIME DESTINATION .)

# The settings file bears the executable's base name; Windows capitalises both.
if(WIN32)
    set(ROSTERMAKER_SETTINGS_NAME Rostermaker.ini)
else()
    set(ROSTERMAKER_SETTINGS_NAME rostermaker.ini)
endif()
install(FILES "${ROSTERMAKER_PACKAGING_DIR}/rostermaker.ini" DESTINATION . RENAME ${ROSTERMAKER_SETTINGS_NAME})

# The players' guide, beside the editor as README.txt: the name players look for first, and a .txt file
# opens in Notepad on a double-click where a .md file makes Windows ask for a program. It is made here,
# at configure time, from docs/players-guide.md, the guide's one text: that page shows both systems, and
# packaging/players-guide.cmake keeps its Windows blocks for a Windows build (WIN32, cross-builds
# included) and its Linux blocks otherwise, so the repository's guide and the archives' cannot differ.
# A change of the page configures the build again, so the next cpack carries it.
include("${ROSTERMAKER_PACKAGING_DIR}/players-guide.cmake")
if(WIN32)
    set(ROSTERMAKER_GUIDE_SYSTEM Windows)
else()
    set(ROSTERMAKER_GUIDE_SYSTEM Linux)
endif()
rostermaker_players_guide("${PROJECT_SOURCE_DIR}/docs/players-guide.md" "${PROJECT_BINARY_DIR}/packaging/README.txt"
                          ${ROSTERMAKER_GUIDE_SYSTEM} "${PROJECT_VERSION}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/docs/players-guide.md")
install(FILES "${PROJECT_BINARY_DIR}/packaging/README.txt" DESTINATION .)

if(WIN32)
    # Windows: the ZIP carries exactly what the editor loads besides the system's own DLLs: the three Qt
    # libraries, the windows platform plugin, the Windows styles and the compiler's runtime. The checker
    # needs Qt Core and the runtime of these.
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    foreach(style_plugin Qt6::QWindowsVistaStylePlugin Qt6::QModernWindowsStylePlugin)
        if(TARGET ${style_plugin})
            install(FILES $<TARGET_FILE:${style_plugin}> DESTINATION styles)
        endif()
    endforeach()
    if(MINGW)
        foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${runtime_path}")
                message(FATAL_ERROR "The MinGW runtime ${runtime} was not found")
            endif()
            install(FILES "${runtime_path}" DESTINATION .)
        endforeach()
        # The libraries come with their debugging symbols; a stripped install (as CPack's) leaves them out.
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
            endif()
        ")
    elseif(MSVC)
        set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
        include(InstallRequiredSystemLibraries)
    endif()
else()
    # Linux: the launcher that players start (it names the libraries a system lacks when the editor cannot
    # start, and adds the editor to the desktop's menu or removes it), the icon of that menu entry, and the
    # licence of the font that the window carries (src/ui/fonts).
    install(PROGRAMS "${ROSTERMAKER_PACKAGING_DIR}/Rostermaker" DESTINATION .)
    install(FILES "${PROJECT_SOURCE_DIR}/src/ui/icons/rostermaker-128.png" DESTINATION . RENAME rostermaker.png)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/rostermaker-check.1" DESTINATION .) # man ./rostermaker-check.1
    install(FILES "${PROJECT_SOURCE_DIR}/src/ui/fonts/OFL.txt" DESTINATION licenses RENAME LiberationSans-OFL.txt)
    # With a static Qt (the portable folder, scripts/linux-portable.sh) the programs carry Qt, so the folder
    # carries Qt's licences and the notice of its source, which that script writes beside the Qt it builds.
    # With the system's Qt the folder needs it installed (libqt6widgets6 and qt6-qpa-plugins on Debian).
    set(ROSTERMAKER_QT_NOTICES "" CACHE PATH "Folder of the licences and notices of a static Qt, for the archive")
    if(ROSTERMAKER_STATIC_QT AND ROSTERMAKER_QT_NOTICES)
        install(DIRECTORY "${ROSTERMAKER_QT_NOTICES}/" DESTINATION licenses)
    elseif(ROSTERMAKER_STATIC_QT)
        install(CODE "message(FATAL_ERROR \"Qt is linked statically but ROSTERMAKER_QT_NOTICES names no \"
                                          \"folder of its licences: the folder would carry Qt without them\")")
    endif()
endif()

# The archive: one top folder named like the archive, e.g. Rostermaker-1.0.0-Linux-x86_64/.
set(CPACK_PACKAGE_NAME "Rostermaker")
set(CPACK_PACKAGE_VENDOR "Halcyx")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Character class editor for the Halcyx modification of Grimvale")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
if(WIN32)
    set(CPACK_GENERATOR ZIP) # CPACK_SYSTEM_NAME stays CPack's win32 or win64
else()
    set(CPACK_GENERATOR TGZ)
    set(CPACK_SYSTEM_NAME "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git/") # written into CPack's files, read again there
include(CPack)
