# Packs the .deb from the build tree as `cpack -G DEB` does, into a scratch folder, and runs
# Debian's own checker on it: any error or warning fails.
#   cmake -DBUILD_DIR=... -DPACKAGE_DIR=... -DCPACK=... -DLINTIAN=... -P lintian_check.cmake
foreach(var BUILD_DIR PACKAGE_DIR CPACK LINTIAN)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(
    COMMAND ${CPACK} -G DEB -B ${PACKAGE_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${BUILD_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${PACKAGE_DIR}/*.deb)
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB (${status}) made ${count} packages:\n${output}")
endif()

# --fail-on names the levels that fail; the tags are printed either way.
execute_process(
    COMMAND ${LINTIAN} --fail-on error,warning --no-tag-display-limit ${packages}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(REMOVE_RECURSE ${PACKAGE_DIR})
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian (${status}):\n${output}${errors}")
endif()
message(STATUS "lintian has nothing to say about ${packages}")
