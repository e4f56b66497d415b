# Installing and packaging: both programs into bin/, a desktop entry, an icon, AppStream metadata
# and a manual page for each, the README with the pages of docs/ and the screenshots, and the
# copyright file and change log Debian asks for. `cpack -G DEB` in the build folder makes a
# Debian package of it.
include(GNUInstallDirs)

set(QEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

foreach(program qeledit qelphoto)
    install(FILES ${QEL_PACKAGING_DIR}/${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QEL_PACKAGING_DIR}/icons/${program}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    # Software centres look an application up by its AppStream id, which names the file.
    install(FILES ${QEL_PACKAGING_DIR}/org.example.qeltools.${program}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The README links the pages of docs/ and shows the screenshots by their relative paths; keep
# those paths valid.
install(FILES ${PROJECT_SOURCE_DIR}/docs/windows.md ${PROJECT_SOURCE_DIR}/docs/differences.md
              ${PROJECT_SOURCE_DIR}/docs/code.md ${PROJECT_SOURCE_DIR}/docs/performance.md
              ${PROJECT_SOURCE_DIR}/docs/robustness.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/screenshots)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/screenshots
            DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.png")
endif()

set(CPACK_PACKAGE_NAME qeltools)
set(CPACK_PACKAGE_VENDOR "QEL tools")
set(CPACK_PACKAGE_CONTACT "QEL tools team <qeltools@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian shows the summary on one line and wraps nothing: both stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "scenario editor and photo tool for a Flight Simulator 98 add-on")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "QELedit composes cloud and ground-texture scenarios (*.qel) for the\n"
    "launcher of the Nubivar & Grundex add-on and opens them again for\n"
    "editing; qelphoto saves a screen capture from the clipboard as a scenario\n"
    "picture or a full-screen photo. Both work in the simulator's folder.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs serve a game but are none; Debian's "games" section is for games themselves.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/qeltools")
# The windows were laid out for Arial's widths: Liberation Sans has them, and in a wider face
# captions and help texts are cut off. The Qt, C and C++ libraries the programs link come from
# dpkg-shlibdeps (package dpkg-dev), added to this; without it they are written out, as Debian 12
# names those packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
find_program(QEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QEL_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libc6, "
           "libstdc++6, libgcc-s1")
endif()
# The launcher button runs the add-on's qel.exe through Wine on Linux.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")


if(UNIX)
    include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
endif()

include(CPack)
