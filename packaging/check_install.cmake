# Installs the build into a scratch prefix and checks that every file lands where desktops look.
# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected bin/mp3_search share/applications/mp3_search.desktop)
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

# The entry's Exec names the installed program, and its Icon the installed icon's name.
file(STRINGS ${PREFIX}/share/applications/mp3_search.desktop entry)
if(NOT "Exec=mp3_search" IN_LIST entry OR NOT "Icon=mp3_search" IN_LIST entry)
    message(FATAL_ERROR "the desktop entry does not start the installed program with its icon")
endif()
