# Checks a manual page and its translations, plain or gzipped, as man shows them: each formats
# with no groff warning at all, and man-db reads its NAME section as the whatis entry
# "<program> - <what it is>". Each translation has the original's sections, subsections and
# tagged paragraphs in the same order, so none falls behind.
# cmake -DGZIP=<gzip> -DGROFF=<groff> -DLEXGROG=<lexgrog> -DMANUAL=<page>
#       [-DTRANSLATIONS=<page;...>] -P check_manual.cmake
# check_install.cmake runs it on the installed pages.
cmake_minimum_required(VERSION 3.25)
foreach(tool GZIP GROFF LEXGROG)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} is not set: scripts/install-deps.sh installs the tools")
    endif()
endforeach()
if(NOT MANUAL)
    message(FATAL_ERROR "MANUAL names no page")
endif()

unset(original)
foreach(page IN LISTS MANUAL TRANSLATIONS)
    if(NOT EXISTS ${page})
        message(FATAL_ERROR "no manual page ${page}")
    endif()
    execute_process(COMMAND ${GZIP} -dcf ${page} RESULT_VARIABLE result OUTPUT_VARIABLE source)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${page} cannot be decompressed")
    endif()

    # Every warning groff has (-ww), the input read as UTF-8 as man-db gives it to groff.
    execute_process(COMMAND ${GZIP} -dcf ${page}
                    COMMAND ${GROFF} -k -K utf-8 -man -Tutf8 -ww -z
                    RESULTS_VARIABLE results OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT results STREQUAL "0;0" OR NOT output STREQUAL "")
        message(FATAL_ERROR "groff finds faults in ${page} (${results}):\n${output}")
    endif()

    # The whatis entry names the program the title names.
    string(REGEX MATCH "(^|\n)\\.TH +\"?([^ \"\n]+)" title "${source}")
    string(TOLOWER "${CMAKE_MATCH_2}" program)
    execute_process(COMMAND ${LEXGROG} ${page} RESULT_VARIABLE result OUTPUT_VARIABLE whatis
                    ERROR_VARIABLE whatis)
    string(FIND "${whatis}" ": \"${program} - " at)
    if(NOT result EQUAL 0 OR program STREQUAL "" OR at EQUAL -1)
        message(FATAL_ERROR "${page} has no whatis entry for '${program}': ${whatis}")
    endif()

    # The outline: each section, subsection and tagged paragraph, by its macro alone (its words
    # are translated).
    string(REGEX MATCHALL "\n\\.(SH|SS|TP)" outline "\n${source}")
    if(NOT DEFINED original)
        set(original_outline "${outline}")
        set(original ${page})
    elseif(NOT outline STREQUAL original_outline)
        string(REPLACE "\n." "" outline "${outline}")
        string(REPLACE "\n." "" expected "${original_outline}")
        message(FATAL_ERROR "${page} is not laid out as ${original}:\n"
                            "  ${outline}\nagainst\n  ${expected}")
    endif()
endforeach()
