# Makes the Debian package of the build in BUILD_DIR with `cpack -G DEB` into WORK_DIR, checks
# that its change log and AppStream metadata name the release VERSION, and has Debian's checker
# lintian find no error and no warning in it (information tags may stay).
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -P checkdeb.cmake
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake
                        -B ${WORK_DIR}
                RESULT_VARIABLE packed OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB package ${WORK_DIR}/qeltools_${VERSION}_*.deb)
if(NOT packed EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack -G DEB made no qeltools_${VERSION} package: ${said}")
endif()

set(root ${WORK_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${package} ${root} RESULT_VARIABLE unpacked)
execute_process(COMMAND gzip -dc ${root}/usr/share/doc/qeltools/changelog.gz
                OUTPUT_VARIABLE changelog RESULT_VARIABLE unzipped)
if(NOT unpacked EQUAL 0 OR NOT unzipped EQUAL 0)
    message(FATAL_ERROR "the package or its changelog.gz does not unpack")
endif()
if(NOT changelog MATCHES "^qeltools \\(${VERSION}\\) ")
    message(FATAL_ERROR "the change log's newest entry is not version ${VERSION}")
endif()
execute_process(COMMAND dpkg-deb -f ${package} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "(^|, )fonts-liberation2(,|\n|$)")
    message(FATAL_ERROR "the package does not depend on fonts-liberation2: ${depends}")
endif()
file(GLOB metainfo ${root}/usr/share/metainfo/*.metainfo.xml)
foreach(file ${metainfo})
    file(READ ${file} text)
    if(NOT text MATCHES "<releases>[ \n]*<release version=\"${VERSION}\"")
        message(FATAL_ERROR "${file}: the newest release is not ${VERSION}")
    endif()
endforeach()

find_program(lintian lintian)
if(NOT lintian)
    message("SKIPPED: lintian (Debian package lintian) is not installed; the package was built "
            "but not checked. scripts/deps installs it.")
    file(REMOVE_RECURSE ${WORK_DIR})
    return()
endif()
execute_process(COMMAND ${lintian} --fail-on error,warning --tag-display-limit 0 ${package}
                RESULT_VARIABLE clean OUTPUT_VARIABLE tags ERROR_QUIET)
if(NOT clean EQUAL 0 OR tags MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian on ${package}:\n${tags}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
