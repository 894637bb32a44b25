# The page preset: the plain C++ libraries, the engine module over them and its tests, with no
# Qt at all, so that Debian's emscripten alone builds them (included by the top-level
# CMakeLists.txt when ZORVAN_ENGINE_ONLY is on).

# The module is downloaded by phones: every library is compiled for size and optimised with
# the module as a whole (a seventh smaller). Its exceptions (an overflow of the count) are
# WebAssembly's own, which need no code of their own in the page.
if(EMSCRIPTEN)
    add_compile_options(-Oz -flto -fwasm-exceptions)
    add_link_options(-Oz -flto -fwasm-exceptions)
endif()

enable_testing()
add_subdirectory(common)
add_subdirectory(calculator)
add_subdirectory(fancounter)
add_subdirectory(hand)
add_subdirectory(report)
add_subdirectory(webengine)
if(EXISTS ${PROJECT_SOURCE_DIR}/webpage/CMakeLists.txt)
    add_subdirectory(webpage)
endif()
