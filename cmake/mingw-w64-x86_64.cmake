# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads), and runs the
# programs it builds under Wine, so that CTest can run the suite on this machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZORVAN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZORVAN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVAN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVAN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZORVAN_MINGW_PREFIX})
if(DEFINED ENV{ZORVAN_QT_WINDOWS})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{ZORVAN_QT_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# CTest runs the test programs under Wine through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
