# Builds the Debian package into a scratch folder, checks its files' owners and modes, and runs
# lintian on it, which must find no error.
# cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<scratch> -DLINTIAN=<lintian>
#       -DDPKG_DEB=<dpkg-deb> -DPACKAGE=<package name> -P check_package.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${CONFIG} -B ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}\n${output}")
endif()
file(GLOB debs ${WORK}/${PACKAGE}_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${WORK}, found: ${debs}")
endif()

# Owned by root, folders 0755, files 0644, programs 0755: what Debian expects, whatever the
# umask of the build.
execute_process(COMMAND ${DPKG_DEB} --contents ${debs} RESULT_VARIABLE result
                OUTPUT_VARIABLE listing)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot list ${debs}")
endif()
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" listing "${listing}")
set(wrong "")
foreach(line IN LISTS listing)
    string(REGEX MATCH "^([^ ]+) +([^ ]+) +[0-9]+ +[^ ]+ +[^ ]+ +(.*)$" fields "${line}")
    set(mode ${CMAKE_MATCH_1})
    set(owner ${CMAKE_MATCH_2})
    set(path ${CMAKE_MATCH_3})
    if(path MATCHES "/$")
        set(expected drwxr-xr-x)
    elseif(path MATCHES "^\\./usr/bin/")
        set(expected -rwxr-xr-x)
    else()
        set(expected -rw-r--r--)
    endif()
    if(NOT mode STREQUAL expected OR NOT owner STREQUAL "root/root")
        string(APPEND wrong "\n  ${line}")
    endif()
endforeach()
if(wrong)
    message(FATAL_ERROR "files with the wrong owner or mode:${wrong}")
endif()
foreach(path ./usr/share/doc/${PACKAGE}/copyright ./usr/share/doc/${PACKAGE}/changelog.gz
             ./usr/share/man/man1/mp3_search.1.gz ./usr/share/man/pt/man1/mp3_search.1.gz)
    if(NOT "${listing}" MATCHES " ${path}(;|$)")
        message(FATAL_ERROR "the package lacks ${path}")
    endif()
endforeach()

# lintian exits non-zero on an error only; its warnings and infos are shown, not failed on,
# except those about the manual pages: lintian formats each with man, as a reader's man would.
execute_process(COMMAND ${LINTIAN} --fail-on error --display-info ${debs} RESULT_VARIABLE result
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian found errors in ${debs} (exit ${result})")
endif()
string(REGEX MATCHALL "(^|\n)[A-Z]: [^\n]*(manpage|manual-page|groff|usr/share/man/)[^\n]*"
       manual_tags "${output}")
if(manual_tags)
    string(JOIN "" manual_tags ${manual_tags})
    message(FATAL_ERROR "lintian finds faults in the manual pages:${manual_tags}")
endif()
