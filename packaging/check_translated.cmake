# Checks that the desktop entry and the AppStream metadata say everything they show in a second
# language too: in the entry, each Name, GenericName, Comment and Keywords line has its
# [LANGUAGE] line; in the metadata, each name, summary, description paragraph or list item,
# caption and keyword has its xml:lang="LANGUAGE" element.
# cmake [-DDESKTOP=<entry>] [-DMETAINFO=<metadata>] -DLANGUAGE=<code> -P check_translated.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LANGUAGE OR NOT (DESKTOP OR METAINFO))
    message(FATAL_ERROR "give LANGUAGE and a desktop entry, metadata or both")
endif()

set(missing "")
if(DESKTOP)
    file(READ ${DESKTOP} entry)
    foreach(key Name GenericName Comment Keywords)
        string(REGEX MATCHALL "\n${key}=" original "\n${entry}")
        string(REGEX MATCHALL "\n${key}\\[${LANGUAGE}\\]=" translated "\n${entry}")
        list(LENGTH original originals)
        list(LENGTH translated translations)
        if(NOT originals EQUAL translations)
            string(APPEND missing "\n  ${DESKTOP}: ${originals} ${key} and ${translations} "
                                  "${key}[${LANGUAGE}]")
        endif()
    endforeach()
endif()
if(METAINFO)
    file(READ ${METAINFO} component)
    foreach(tag name summary p li caption keyword)
        string(REGEX MATCHALL "<${tag}>" original "${component}")
        string(REGEX MATCHALL "<${tag} xml:lang=\"${LANGUAGE}\">" translated "${component}")
        list(LENGTH original originals)
        list(LENGTH translated translations)
        if(NOT originals EQUAL translations)
            string(APPEND missing "\n  ${METAINFO}: ${originals} <${tag}> and ${translations} "
                                  "<${tag} xml:lang=\"${LANGUAGE}\">")
        endif()
    endforeach()
endif()
if(missing)
    message(FATAL_ERROR "texts without their '${LANGUAGE}' translation:${missing}")
endif()
