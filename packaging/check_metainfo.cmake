# Validates the AppStream metadata offline and fails on errors only: warnings and infos may stay.
# cmake -DAPPSTREAMCLI=<appstreamcli> -DMETAINFO=<file> -P check_metainfo.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")

# appstreamcli exits 3 for warnings as for errors, and for a file it could not read at all; only
# its report tells them apart, with one "E: " line per error and its closing count line.
if(result EQUAL 0)
    return()
endif()
string(REGEX MATCH "(^|\n)E: " error_line "${output}")
if(NOT result EQUAL 3 OR error_line OR NOT output MATCHES "Validation failed: warnings: [0-9]+")
    message(FATAL_ERROR "appstreamcli found errors in ${METAINFO} (exit ${result})")
endif()
