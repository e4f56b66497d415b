# The files Debian's policy asks of every package: the copyright file, in the machine-readable
# format and with the license text of LICENSE, and the change log and manual pages, compressed
# with `gzip -9n` (no name, no time stamp) so that every build makes the same bytes.
find_program(QEL_GZIP gzip REQUIRED)
set(QEL_DEBIAN_DIR ${QEL_PACKAGING_DIR}/debian)
set(QEL_DOCS_OUT ${CMAKE_BINARY_DIR}/packaging)

# The license paragraph holds the text from "Permission is hereby granted" on, each line indented
# by one blank and an empty line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission" start)
string(SUBSTRING "${license}" ${start} -1 license)
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " QEL_LICENSE_PARAGRAPH " ${license}")
configure_file(${QEL_DEBIAN_DIR}/copyright.in ${QEL_DOCS_OUT}/copyright @ONLY)
install(FILES ${QEL_DOCS_OUT}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

function(qel_gzip source target)
    add_custom_command(OUTPUT ${target}
                       COMMAND ${QEL_GZIP} -9n -c ${source} > ${target}
                       DEPENDS ${source} VERBATIM)
endfunction()

qel_gzip(${QEL_DEBIAN_DIR}/changelog ${QEL_DOCS_OUT}/changelog.gz)
set(compressed ${QEL_DOCS_OUT}/changelog.gz)
install(FILES ${QEL_DOCS_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(page QELedit.1 qelphoto.1)
    qel_gzip(${QEL_PACKAGING_DIR}/man/${page} ${QEL_DOCS_OUT}/${page}.gz)
    list(APPEND compressed ${QEL_DOCS_OUT}/${page}.gz)
    install(FILES ${QEL_DOCS_OUT}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(qel-debian-docs ALL DEPENDS ${compressed})
