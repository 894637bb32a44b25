# Packs the site (see CMakeLists.txt beside this file).
# cmake -DWEB_DIR= -DICON_DIR= -DPROGRAM_DIR= -DPHONE_PAGE_DIR= -DSITE_DIR= -DPACKAGE= [-DBROTLI=]
#       -P site.cmake
file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})
file(COPY ${PROGRAM_DIR}/zorvan-calculator.js ${PROGRAM_DIR}/zorvan-calculator.wasm
    ${WEB_DIR}/manifest.webmanifest DESTINATION ${SITE_DIR})
# The page's icons, and the sizes an installed web app asks for (192 and 512).
set(icons)
foreach(size 32 64 128 192 256 512)
    file(COPY ${ICON_DIR}/zorvan-${size}.png DESTINATION ${SITE_DIR})
    list(APPEND icons "\"zorvan-${size}.png\"")
endforeach()
list(JOIN icons ", " ZORVAN_SITE_ICONS)

# The page's progress bar counts the .wasm's bytes; the service worker's cache is named by the
# program it keeps.
set(wasm ${SITE_DIR}/zorvan-calculator.wasm)
file(SIZE ${wasm} ZORVAN_WASM_BYTES)
file(SHA256 ${wasm} program_hash)
string(SUBSTRING ${program_hash} 0 16 ZORVAN_SITE_STAMP)
configure_file(${WEB_DIR}/index.html.in ${SITE_DIR}/index.html @ONLY)
configure_file(${WEB_DIR}/service-worker.js.in ${SITE_DIR}/service-worker.js @ONLY)

# Compressed copies beside the files worth compressing, made reproducibly (no name, no time).
foreach(name zorvan-calculator.wasm zorvan-calculator.js index.html service-worker.js)
    execute_process(COMMAND gzip -9 -n -k -f ${SITE_DIR}/${name} COMMAND_ERROR_IS_FATAL ANY)
    if(BROTLI)
        execute_process(COMMAND ${BROTLI} -q 11 -k -f ${SITE_DIR}/${name}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()

# The phone page, packed on its own (webpage/), in its folder.
file(COPY ${PHONE_PAGE_DIR}/ DESTINATION ${SITE_DIR}/phone)

file(GLOB_RECURSE site_files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(SORT site_files)
get_filename_component(package_dir ${PACKAGE} DIRECTORY)
file(MAKE_DIRECTORY ${package_dir})
file(REMOVE ${PACKAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${PACKAGE} --format=zip ${site_files}
    WORKING_DIRECTORY ${SITE_DIR} COMMAND_ERROR_IS_FATAL ANY)
