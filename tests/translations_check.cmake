# Checks that every catalogue in TS_FILES is complete for SOURCES: lupdate reads the sources
# into a scratch copy of each (so the committed files are never written), and then no message
# may be unfinished (a new text) or vanished/obsolete (a text the sources no longer have), and
# lrelease must compile it with nothing left untranslated.
# Usage: cmake -DLUPDATE=... -DLRELEASE=... -DTS_FILES=a.ts;b.ts -DSOURCES=x.cpp;y.h
#              -DWORK_DIR=... -P translations_check.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE ";" "\n" source_lines "${SOURCES}")
file(WRITE ${WORK_DIR}/sources.lst "${source_lines}\n")

set(failures "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    configure_file(${ts} ${copy} COPYONLY)
    execute_process(COMMAND ${LUPDATE} -locations none @${WORK_DIR}/sources.lst -ts ${copy}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
    endif()
    file(READ ${copy} content)
    foreach(state unfinished vanished obsolete)
        string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[^/][^>]*>[^<]*)*<translation type=\"${state}\""
               found "${content}")
        list(LENGTH found count)
        if(count GREATER 0)
            string(REGEX REPLACE "<source>([^<]*)</source>[^;]*" "    \\1\n" texts "${found}")
            string(APPEND failures "${name}: ${count} ${state} text(s):\n${texts}\n")
        endif()
    endforeach()
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK_DIR}/${name}.qm
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT out MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR out MATCHES "Ignored")
        string(APPEND failures "${name}: lrelease says:\n${out}${err}\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "The catalogues are not complete; translate what follows in "
                        "translations/ (cmake --build build --target update_translations reads "
                        "the sources into them first):\n${failures}")
endif()
message(STATUS "Every text of the sources is translated in ${TS_FILES}")
