# Installs the build into a scratch prefix and checks that every file lands where desktops look.
# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DVERSION=<version> -DGZIP=<gzip> -DGROFF=<groff>
#       -DLEXGROG=<lexgrog> -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(metainfo share/metainfo/io.github.mp3search.mp3_search.metainfo.xml)
set(changelog share/doc/mp3-search/changelog.gz)
# The manual page in English, and its Portuguese translation where man looks for a Portuguese
# reader's (LANG=pt_PT.UTF-8 man mp3_search).
set(manual share/man/man1/mp3_search.1.gz)
set(manual_pt share/man/pt/man1/mp3_search.1.gz)
set(expected bin/mp3_search ${manual} ${manual_pt} share/applications/mp3_search.desktop
             ${metainfo} share/doc/mp3-search/copyright ${changelog})
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/mp3_search.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# Nothing else: tests, benchmarks and libraries stay in the build.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ.\nexpected: ${expected}\ninstalled: ${installed}")
endif()

# Each icon is the size its folder names.
foreach(size 16 32 48 64 128 256)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/mp3_search.png header
         LIMIT 24 HEX)
    # PNG signature, IHDR, then width and height as 32-bit big-endian numbers.
    string(SUBSTRING ${header} 32 8 width)
    string(SUBSTRING ${header} 40 8 height)
    math(EXPR w "0x${width}")
    math(EXPR h "0x${height}")
    if(NOT w EQUAL size OR NOT h EQUAL size)
        message(FATAL_ERROR "icon for ${size}x${size} is ${w}x${h}")
    endif()
endforeach()

# The entry's Exec starts the installed program with the file it is given, and its Icon is the
# installed icon's name.
file(STRINGS ${PREFIX}/share/applications/mp3_search.desktop entry)
if(NOT "Exec=mp3_search %f" IN_LIST entry OR NOT "Icon=mp3_search" IN_LIST entry)
    message(FATAL_ERROR "the desktop entry does not start the installed program with its icon")
endif()

# Software centres find the program through the entry the metadata names.
file(READ ${PREFIX}/${metainfo} component)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" launchable "${component}")
if(NOT EXISTS ${PREFIX}/share/applications/${CMAKE_MATCH_1})
    message(FATAL_ERROR "the metadata launches '${CMAKE_MATCH_1}', which is not installed")
endif()

# The newest release in the metadata and in the changelog is the version being installed.
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${component}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the metadata's newest release is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()
execute_process(COMMAND ${GZIP} -dc ${PREFIX}/${changelog} RESULT_VARIABLE result
                OUTPUT_VARIABLE changes)
string(REGEX MATCH "^[a-z0-9.+-]+ \\(([^)]*)\\)" entry "${changes}")
if(NOT result EQUAL 0 OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the changelog's newest entry is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()

# The compressed documents carry no name or time, so they are the same from build to build: the
# gzip header has no flags and a zero time.
foreach(document ${changelog} ${manual} ${manual_pt})
    file(READ ${PREFIX}/${document} header LIMIT 8 HEX)
    if(NOT header STREQUAL "1f8b080000000000")
        message(FATAL_ERROR "the gzip header of ${document} holds a name or a time: ${header}")
    endif()
endforeach()

# Each manual page is its source, in its language's place, and both read well in man.
set(installed_pages ${manual} ${manual_pt})
set(source_pages mp3_search.1 mp3_search.pt.1)
foreach(installed source IN ZIP_LISTS installed_pages source_pages)
    execute_process(COMMAND ${GZIP} -dc ${PREFIX}/${installed} RESULT_VARIABLE result
                    OUTPUT_VARIABLE text)
    file(READ ${CMAKE_CURRENT_LIST_DIR}/${source} expected_text)
    if(NOT result EQUAL 0 OR NOT text STREQUAL expected_text)
        message(FATAL_ERROR "${installed} is not packaging/${source}")
    endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -DGZIP=${GZIP} -DGROFF=${GROFF} -DLEXGROG=${LEXGROG}
                        -DMANUAL=${PREFIX}/${manual} -DTRANSLATIONS=${PREFIX}/${manual_pt}
                        -P ${CMAKE_CURRENT_LIST_DIR}/check_manual.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed manual pages do not pass:\n${output}")
endif()
