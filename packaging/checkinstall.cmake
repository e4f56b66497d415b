# Installs the build in BUILD_DIR under a throw-away prefix and checks what lands there: both
# programs side by side, a valid desktop entry, AppStream metadata, an icon and a manual page for
# each, the README with the pages of docs/ and its pictures, the copyright file and the change
# log.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P checkinstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
set(expected
    bin/QELedit bin/qelphoto
    share/applications/qeledit.desktop share/applications/qelphoto.desktop
    share/icons/hicolor/scalable/apps/qeledit.svg share/icons/hicolor/scalable/apps/qelphoto.svg
    share/metainfo/org.example.qeltools.qeledit.metainfo.xml
    share/metainfo/org.example.qeltools.qelphoto.metainfo.xml
    share/man/man1/QELedit.1.gz share/man/man1/qelphoto.1.gz
    share/doc/qeltools/README.md share/doc/qeltools/copyright share/doc/qeltools/changelog.gz)
foreach(page windows differences code performance robustness)
    list(APPEND expected share/doc/qeltools/docs/${page}.md)
endforeach()
foreach(screenshot editor overcast front cirrus open picker help photo)
    list(APPEND expected share/doc/qeltools/docs/screenshots/${screenshot}.png)
endforeach()
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
# The README shows the screenshots.
file(READ ${PREFIX}/share/doc/qeltools/README.md readme)
string(REGEX MATCHALL "\\(docs/screenshots/[^)]+\\)" shown "${readme}")
list(LENGTH shown count)
if(count LESS 8)
    message(FATAL_ERROR "the README shows only ${count} screenshots")
endif()
# Every relative link of the installed pages, the README's pictures and its links to docs/ and
# theirs back, leads to a file installed there.
file(GLOB pages ${PREFIX}/share/doc/qeltools/README.md ${PREFIX}/share/doc/qeltools/docs/*.md)
foreach(page ${pages})
    file(READ ${page} text)
    get_filename_component(folder ${page} DIRECTORY)
    # Without its square brackets, which a CMake list would take as nesting.
    string(REPLACE "](" "<link>" text "${text}")
    string(REGEX REPLACE "[][]" "" text "${text}")
    string(REGEX MATCHALL "<link>[^)#]+" links "${text}")
    foreach(link ${links})
        string(SUBSTRING "${link}" 6 -1 target)
        if(NOT target MATCHES "^[a-z]+:" AND NOT EXISTS ${folder}/${target})
            message(FATAL_ERROR "${page} links ${target}, which is not installed")
        endif()
    endforeach()
endforeach()
foreach(entry qeledit qelphoto)
    file(STRINGS ${PREFIX}/share/applications/${entry}.desktop lines)
    list(FIND lines "Icon=${entry}" icon)
    if(icon EQUAL -1)
        message(FATAL_ERROR "${entry}.desktop names no icon ${entry}")
    endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND ${validate} ${PREFIX}/share/applications/qeledit.desktop
                            ${PREFIX}/share/applications/qelphoto.desktop
                    RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT valid EQUAL 0 OR NOT said STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${said}")
    endif()
else()
    message(STATUS "desktop-file-validate (desktop-file-utils) not installed; entries not validated")
endif()
# validate-tree also checks that each metadata file is named by its id and that the desktop entry
# it launches is installed beside it.
find_program(appstreamcli appstreamcli)
if(appstreamcli)
    file(GLOB metainfo ${PREFIX}/share/metainfo/*.xml)
    foreach(check "validate;--no-net;${metainfo}" "validate-tree;--no-net;${PREFIX}")
        execute_process(COMMAND ${appstreamcli} ${check}
                        RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
        if(NOT valid EQUAL 0 OR said MATCHES "(^|\n) *[EW]: ")
            message(FATAL_ERROR "appstreamcli ${check}: ${said}")
        endif()
    endforeach()
else()
    message(STATUS "appstreamcli (appstream) not installed; AppStream metadata not validated")
endif()
file(REMOVE_RECURSE ${PREFIX})
