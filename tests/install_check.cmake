# Installs the build tree into a scratch DESTDIR and checks what lands there: the program, its
# desktop entry, its icon in every size of the hicolor theme and its AppStream metadata, all
# under one application id, the command-line scorer, a manual page for each program, the
# changelog and the copyright, and nothing else.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DSTAGE_DIR=... -DAPP_ID=... -DVERSION=...
#         -DICON_SIZES=16;32... -P install_check.cmake
foreach(var BUILD_DIR SOURCE_DIR STAGE_DIR APP_ID VERSION ICON_SIZES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE_DIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()
set(root ${STAGE_DIR}/usr)

set(failures "")
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

# Exactly these files, so that no library, header or test slips into the packages.
set(expected
    bin/zorvan-calculator
    bin/zorvan-hand
    share/man/man1/zorvan-calculator.1.gz
    share/man/man1/zorvan-hand.1.gz
    share/doc/zorvan-calculator/changelog.gz
    share/doc/zorvan-calculator/copyright
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${root} ${STAGE_DIR}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    fail("installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# The programs: executable ELF files.
foreach(name zorvan-calculator zorvan-hand)
    set(program ${root}/bin/${name})
    if(NOT EXISTS ${program})
        continue()
    endif()
    file(READ ${program} magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        fail("bin/${name} is not an ELF program")
    endif()
    execute_process(COMMAND test -x ${program} RESULT_VARIABLE notExecutable)
    if(notExecutable)
        fail("bin/${name} is not executable")
    endif()
    # The system's libraries only, found where the system keeps them.
    file(READ_ELF ${program} RPATH rpath RUNPATH runpath)
    if(rpath OR runpath)
        fail("bin/${name} has a library search path: '${rpath}${runpath}'")
    endif()
endforeach()

# The installed scorer runs on its own and scores a hand: 20 + 2 (pair of dragons) + 2 (one
# chance) = 24, times 6 for East.
set(scorer ${root}/bin/zorvan-hand)
if(EXISTS ${scorer})
    execute_process(COMMAND ${scorer} --json "123m 456p 789s 234s 5z +5z"
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR NOT output MATCHES "\"count\":24,.*\"value\":144")
        fail("bin/zorvan-hand (${status}): ${output}${errors}")
    endif()
endif()

# The manual pages and the changelog are gzip files as Debian keeps them: deflate at its best
# (extra flags 2) and no file name or time in the header (flags 0, time 0), so that every
# build gives the same bytes; each holds its source file unchanged.
find_program(GZIP gzip REQUIRED)
macro(read_compressed relative source text)
    set(${text} "")
    set(file ${root}/${relative})
    if(EXISTS ${file})
        file(READ ${file} header LIMIT 9 HEX)
        if(NOT header STREQUAL "1f8b08000000000002")
            fail("${relative}: gzip header ${header}, not 1f8b08000000000002 (gzip -9n)")
        endif()
        execute_process(COMMAND ${GZIP} -dc ${file} RESULT_VARIABLE status
                        OUTPUT_VARIABLE ${text} ERROR_VARIABLE errors)
        file(READ ${SOURCE_DIR}/${source} original)
        if(NOT status EQUAL 0 OR NOT ${text} STREQUAL original)
            fail("${relative} does not hold ${source} (${status}): ${errors}")
        endif()
    endif()
endmacro()

# Each program has its own manual page, titled and named after it.
foreach(name zorvan-calculator zorvan-hand)
    read_compressed(share/man/man1/${name}.1.gz resources/linux/${name}.1 page)
    string(TOUPPER ${name} title)
    if(page AND NOT page MATCHES "^\\.TH ${title} 1 .*\n\\.SH NAME\n${name} \\\\- ")
        fail("share/man/man1/${name}.1.gz is not titled ${title}(1) and named ${name}")
    endif()
endforeach()

# The changelog's newest entry is this version.
read_compressed(share/doc/zorvan-calculator/changelog.gz resources/linux/changelog changelog)
if(changelog AND NOT changelog MATCHES "^zorvan-calculator \\(${VERSION}\\) ")
    string(REGEX MATCH "^[^)]*\\)" newest "${changelog}")
    fail("changelog: the newest entry is '${newest}', the project is at ${VERSION}")
endif()

# Each icon is a PNG of the size its folder names.
foreach(size IN LISTS ICON_SIZES)
    set(icon ${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${icon})
        continue()
    endif()
    file(READ ${icon} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR
       NOT height EQUAL size)
        fail("${size}x${size} icon is ${width}x${height} (signature ${signature})")
    endif()
endforeach()

# The desktop entry starts the installed program and shows the installed icon.
set(desktop ${root}/share/applications/${APP_ID}.desktop)
if(EXISTS ${desktop})
    file(STRINGS ${desktop} exec REGEX "^Exec=")
    file(STRINGS ${desktop} icon REGEX "^Icon=")
    if(NOT exec STREQUAL "Exec=zorvan-calculator")
        fail("desktop entry: ${exec}")
    endif()
    if(NOT icon STREQUAL "Icon=${APP_ID}")
        fail("desktop entry: ${icon}")
    endif()
endif()

# The metadata names the application, launches the desktop entry and has this version as its
# newest release (releases are listed newest first).
set(metainfo ${root}/share/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS ${metainfo})
    file(READ ${metainfo} xml)
    if(NOT xml MATCHES "<id>${APP_ID}</id>")
        fail("metainfo: no <id>${APP_ID}</id>")
    endif()
    if(NOT xml MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
        fail("metainfo: the launchable is not ${APP_ID}.desktop")
    endif()
    if(NOT xml MATCHES "<release version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
        fail("metainfo: newest release '${CMAKE_MATCH_1}', the project is at ${VERSION}")
    endif()
endif()

# The three together, as a software centre reads them.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE_DIR}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        fail("appstreamcli validate-tree:\n${output}")
    endif()
endif()

file(REMOVE_RECURSE ${STAGE_DIR})
if(failures)
    string(JOIN "\n" report ${failures})
    message(FATAL_ERROR "${report}")
endif()
message(STATUS "Installed and checked ${STAGE_DIR}")
