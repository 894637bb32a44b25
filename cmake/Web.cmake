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

# The test programs are started by cmake/chromium-run.py, which calls main itself and reads
# what it returns at last.
set(ZORVAN_WEB_TEST_LINK_OPTIONS "SHELL:-s EXPORTED_FUNCTIONS=_main,_malloc")
set(ZORVAN_WEB_TEST_EXPORTED_METHODS ccall,allocateUTF8)
