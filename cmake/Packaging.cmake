# Packages of the installed tree: `cpack --preset default` in the source directory, or
# `cpack -G DEB` in the build directory. A .deb and a .tar.gz on Linux, a .zip on Windows and a
# .dmg on macOS (after Qt's deployment step has made the tree self-contained).
set(CPACK_PACKAGE_NAME zorvan-calculator)
set(CPACK_PACKAGE_VENDOR "The Zorvan developers")
set(CPACK_PACKAGE_CONTACT "The Zorvan developers <zorvan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Work out what a winning Mah-Jongg hand is worth")
# Short lines: Debian's tools show the description's lines as they stand, and lintian
# refuses any longer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "A small scoring aid to keep open beside an online Mah-Jongg table: tick\n"
    "the sets, conditions and patterns of a winning hand and it shows the\n"
    "hand's count and its worth in Zorvan! Points. A fan counter adds up the\n"
    "fans of a hand from clicked tiles.\n"
    "The command zorvan-hand scores a hand written in tiles, or lists the\n"
    "tiles a waiting hand wins on, as text or JSON.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Zorvan Calculator")
set(CPACK_PACKAGE_EXECUTABLES zorvan-calculator "Zorvan! Mah-Jongg Calculator")
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

# The licence travels with every package: the full text in the zip, Debian's machine-readable
# copyright file (pointing at the text Debian ships) in the .deb and the .tar.gz.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
if(WIN32)
    # The portable zip and a per-user installer (resources/windows/NSIS.template.in, found
    # through the module path; resources/windows/CPackOptions.cmake names it ...-setup.exe).
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64")
    # Windows line ends, so that every editor shows them as lines.
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt README.txt
        @ONLY NEWLINE_STYLE WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE WIN32)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
        DESTINATION .)
    list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/resources/windows)
    set(CPACK_ZORVAN_DISPLAY_NAME "Zorvan! Mah-Jongg Calculator")
    set(CPACK_ZORVAN_ICON ${PROJECT_SOURCE_DIR}/resources/zorvan.ico)
    set(CPACK_ZORVAN_LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt)
    # Where QSettings keeps the program's settings: its organization and application names.
    set(CPACK_ZORVAN_SETTINGS_ORGANIZATION zorvan)
    set(CPACK_ZORVAN_SETTINGS_APPLICATION zorvan-calculator)
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/resources/windows/CPackOptions.cmake)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
else()
    set(CPACK_GENERATOR DEB TGZ)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # A scoring aid, not a game: Debian keeps its games section for programs in /usr/games.
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
    # dpkg-shlibdeps finds the Qt and C++ libraries the program links; the platform plugins
    # are loaded at run time, so it cannot see them.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
endif()

include(CPack)
