# `cpack -G DEB` of this build makes a package that lintian accepts.
add_test(NAME debian_package
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/debian-check -DVERSION=${PROJECT_VERSION}
                 -P ${PROJECT_SOURCE_DIR}/packaging/checkdeb.cmake)
set_tests_properties(debian_package PROPERTIES TIMEOUT 300 SKIP_REGULAR_EXPRESSION "SKIPPED: ")
