# The web build: Qt for WebAssembly with Debian's emscripten (scripts/web.sh), included by the
# top-level CMakeLists.txt when emscripten is the compiler.

# The program reports an overflow through a C++ exception, which emscripten builds ignore
# unless the code is compiled and linked with them. Qt's targets ask every program to link
# with exception catching off; the standard libraries stand last on the link line, so that
# this setting comes after theirs and wins.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
string(APPEND CMAKE_CXX_STANDARD_LIBRARIES " -sDISABLE_EXCEPTION_CATCHING=0")

# A modal message box's exec() blocks as on the desktop only with asyncify, which Qt 6.4 finds
# at run time; it is switched on when each program is linked.
add_link_options("SHELL:-s ASYNCIFY")

# What a player downloads: optimised for size. Asyncify instruments every function that might
# be on the stack when a modal dialog waits, which is most of the program. The functions in
# cmake/web-asyncify-remove.txt never run an event loop nor call code that does, and are left
# as they are: fonts, images, compression, regular expressions, painting, text layout, the
# styles, the GPU code, the widgets the program never shows (the graphics view, the file,
# colour and date dialogs, MDI), hash tables, streams, locales, the hands' arithmetic and
# zorvan-hand's reading and report.
# Event delivery, the widgets a player uses and std::function stay instrumented: a click can
# open a message box through them. The web programs name the list as a link dependency, so
# that a change of it relinks them.
set(ZORVAN_WEB_ASYNCIFY_REMOVE ${CMAKE_CURRENT_LIST_DIR}/web-asyncify-remove.txt)
add_link_options(-Oz "SHELL:-s ASYNCIFY_REMOVE=@${ZORVAN_WEB_ASYNCIFY_REMOVE}")
# The test program also holds zorvan-hand's code and the engine's calls, which the program has
# not (a pattern that matches nothing is warned of): its list is the program's and those.
file(READ ${ZORVAN_WEB_ASYNCIFY_REMOVE} zorvan_asyncify_remove)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORVAN_WEB_ASYNCIFY_REMOVE})
set(ZORVAN_WEB_TEST_ASYNCIFY_REMOVE ${CMAKE_BINARY_DIR}/web-asyncify-remove-tests.txt)
file(CONFIGURE OUTPUT ${ZORVAN_WEB_TEST_ASYNCIFY_REMOVE}
     CONTENT "${zorvan_asyncify_remove}report::*\ncli::*\nwebengine::*\n")

# The test programs, one program on the web (tests/CMakeLists.txt), are linked at -O2: the
# size optimisation's passes over the whole of Qt take minutes longer, and asyncify's code is
# not safe below -O2 (a test run at -O1 stops on an unreachable instruction).
set(ZORVAN_WEB_TEST_LINK_OPTIONS -O2 "SHELL:-s ASYNCIFY_REMOVE=@${ZORVAN_WEB_TEST_ASYNCIFY_REMOVE}")
