# `cmake --install` of this build puts both programs, their desktop entries and icons, and the
# README with its screenshots under a prefix.
add_test(NAME install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-check
                 -P ${PROJECT_SOURCE_DIR}/packaging/checkinstall.cmake)
set_tests_properties(install_layout PROPERTIES TIMEOUT 120)
