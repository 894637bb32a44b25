# Runs the Windows zorvan-hand.exe (under Wine) and the Linux zorvan-hand on the same hands
# and checks that both print the same bytes, line ends aside, and end with the same status.
#   cmake -DWINDOWS_HAND=zorvan-hand.exe -DLINUX_HAND=zorvan-hand -DRUNNER=wine-run.sh
#         -P compare_hand_outputs.cmake
foreach(var WINDOWS_HAND LINUX_HAND RUNNER)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

# One command line a row, its arguments separated by "|": finished hands with every reading
# and condition the text shows, both output forms, the waits, dealt hands (the same seed must
# deal the same hand with either compiler), and refusals (status 2).
set(rows
    "--seat|S|--self-drawn|222m 888p 777z 9s [111z] 1f 3y +9s"
    "--json|--seat|S|--self-drawn|222m 888p 777z 9s [111z] 1f 3y +9s"
    "111222333m 789p 55z +5z"
    "--json|--round|W|--limit|65536|(1111z) (2222z) (3333z) (4444z) 5z +5z"
    "--no-fa-table|--last-tile|--self-drawn|[123m] [456p] [789s] [222z] 5z +5z"
    "--waits|[123m] [456p] [789s] 22z 55z"
    "--waits|--json|1112345678999m"
    "--deal|--seed|20261207"
    "--deal|--json|--level|1|--seed|9007199254740991"
    "--deal|--json|--level|2|--seed|0"
    "--deal|--level|4"
    "[123m] [456p] [789s] 1z 3z 5z 7z +7z"
    "33333m 456p 789s 22z +2z"
    "--seat|X|123m"
    "--help"
    # What the user typed must reach the reader as typed: full-width forms, which Windows' ANSI
    # conversion turns into the ASCII digits, letters, "+" and "-" they look like, and
    # characters that no ANSI code page holds.
    "１１１２２２３３３m 789p 55z +5z"
    "111222333ｍ 789p 55z +5z"
    "111222333m 789p 55z ＋5z"
    "－－json|111222333m 789p 55z +5z"
    "--seat|Ｓ|111222333m 789p 55z +5z"
    "111222333m 789p 55z +5z 🀄"
    "111222333m 789p 55z +5z ꙮ")

# Wine reads the Unix command line in the Unix locale's character set: UTF-8 here, so that the
# Windows program gets the same characters as the Linux one.
set(ENV{LC_ALL} C.UTF-8)

set(failures "")
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" arguments "${row}")
    execute_process(COMMAND ${LINUX_HAND} ${arguments}
        RESULT_VARIABLE linux_status OUTPUT_VARIABLE linux_out ERROR_VARIABLE linux_err)
    # A start that printed nothing and failed is Wine's, not the program's (which says why
    # whenever it fails): seen once under load. It is tried again, twice at most.
    foreach(attempt RANGE 2)
        execute_process(COMMAND ${RUNNER} ${WINDOWS_HAND} ${arguments}
            RESULT_VARIABLE windows_status OUTPUT_VARIABLE windows_out ERROR_VARIABLE windows_err)
        if(windows_status EQUAL 0 OR NOT windows_out STREQUAL "" OR NOT windows_err STREQUAL "")
            break()
        endif()
    endforeach()
    foreach(stream out err)
        string(REPLACE "\r\n" "\n" windows_${stream} "${windows_${stream}}")
        if(NOT windows_${stream} STREQUAL linux_${stream})
            list(APPEND failures "std${stream} differs for ${row}:\n--- Linux\n${linux_${stream}}"
                                 "--- Windows\n${windows_${stream}}")
        endif()
    endforeach()
    if(NOT windows_status STREQUAL linux_status)
        list(APPEND failures "status ${windows_status} on Windows, ${linux_status} on Linux for ${row}")
    endif()
endforeach()

if(failures)
    string(JOIN "\n" report ${failures})
    message(FATAL_ERROR "${report}")
endif()
list(LENGTH rows count)
message(STATUS "${count} command lines print the same on Windows and Linux")
