# The Windows build's suites run under Wine on a virtual X display (scripts/windows test sets up
# the Wine prefix and the display), with Windows' own platform plugin and style, so the windows
# are tested as Windows users see them.
if(NOT WIN32)
    return()
endif()

# Suites left out on Windows, with the reason: they stage faults through POSIX facilities that
# Windows lacks (a file-size limit set for a child process, named pipes, SIGKILL).
set(QEL_POSIX_ONLY_SUITES tst_faults tst_faults_open tst_faults_photo)
# The clipboard suite has a Linux program (xclip) own the X clipboard and needs the X platform
# plugin; it would only skip here.
list(APPEND QEL_POSIX_ONLY_SUITES tst_photoclipboard)
# The install tree is the Linux layout (bin/, desktop entries, icons); Windows gets the zip of
# scripts/windows instead.
# The Debian package is Linux's own.
set(QEL_LINUX_ONLY_TESTS install_layout debian_package)

get_property(qel_all_tests DIRECTORY PROPERTY TESTS)
foreach(test ${qel_all_tests})
    if(test IN_LIST QEL_POSIX_ONLY_SUITES OR test IN_LIST QEL_LINUX_ONLY_TESTS)
        set_tests_properties(${test} PROPERTIES DISABLED TRUE)
        if(TARGET ${test})
            set_target_properties(${test} PROPERTIES EXCLUDE_FROM_ALL TRUE)
        endif()
        continue()
    endif()
    # Wine starts every program in a fresh process of its own; the suites take several times as
    # long as they do natively.
    get_test_property(${test} ENVIRONMENT environment)
    if(NOT environment)
        set(environment "")
    endif()
    list(TRANSFORM environment REPLACE "^QT_QPA_PLATFORM=offscreen$" "QT_QPA_PLATFORM=windows")
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 900)
endforeach()

# The clipboard is one for the whole Wine session and X display, not one per process as on the
# offscreen platform: suites that put something on it, or expect what they put there to stay,
# take turns.
# tst_dib puts bitmaps there to read them back (clipboardBitmapLayouts).
foreach(suite tst_editorwindow tst_photo_windowsize tst_photowindow tst_photoscaling tst_photoshare
              tst_dib)
    if(TEST ${suite})
        set_property(TEST ${suite} APPEND PROPERTY RESOURCE_LOCK clipboard)
    endif()
endforeach()

# Scenario text follows the system's ANSI code page: once as in Western Europe (windows-1252),
# once as in Central Europe (windows-1250), which Wine takes from the locale; the scenario file's
# bytes also in Cyrillic, Greek and Japanese (two bytes a character), converted by Windows.
if(TARGET tst_codepages)
    set_property(TEST tst_codepages APPEND PROPERTY ENVIRONMENT "QEL_EXPECT_CODE_PAGE=1252")
    add_test(NAME tst_codepages_cp1250 COMMAND tst_codepages)
    set_tests_properties(tst_codepages_cp1250 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=windows;LC_ALL=pl_PL.UTF-8;QEL_EXPECT_CODE_PAGE=1250"
        TIMEOUT 900)
endif()
if(TARGET tst_scenariofile)
    foreach(page 1250:pl_PL 1251:ru_RU 1253:el_GR 932:ja_JP)
        string(REPLACE ":" ";" page "${page}")
        list(GET page 0 number)
        list(GET page 1 locale)
        add_test(NAME tst_scenariofile_cp${number}
                 COMMAND tst_scenariofile savedAndReadInTheCodePage cutOffCharacterIsADamagedFile)
        # Its own code page's row skipped means Wine did not take the locale: that fails.
        set_tests_properties(tst_scenariofile_cp${number} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=windows;LC_ALL=${locale}.UTF-8" TIMEOUT 900
            FAIL_REGULAR_EXPRESSION "savedAndReadInTheCodePage\\(${number}\\) Another")
    endforeach()
endif()

# The per-user settings are in the registry of the one Wine prefix, not in a folder of each suite's
# own: the suites that remember a simulator folder there, or clear it for a while and put it back
# (OwnSettings, CodePageSetting), take turns.
foreach(suite tst_paths tst_simulatorfolder tst_picker tst_editorwindow tst_codepages
              tst_codepages_cp1250 tst_scenariofile tst_scenariofile_cp1250 tst_scenariofile_cp1251
              tst_scenariofile_cp1253 tst_scenariofile_cp932)
    if(TEST ${suite})
        set_property(TEST ${suite} APPEND PROPERTY RESOURCE_LOCK settings)
    endif()
endforeach()

# On Linux the programs take the code page that Wine gives the launcher in the same locale: Wine
# itself says which, under each locale, to a small Windows program.
add_executable(qel-codepage windows/codepage.cpp)
add_test(NAME codepage_wine
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/codepage_wine.sh
                 $<TARGET_FILE:qel-codepage> ${PROJECT_SOURCE_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR}/codepage-host)
set_tests_properties(codepage_wine PROPERTIES TIMEOUT 600)

# Programs started by the editor (the photo tool, the launcher) are stood in for by copies of a
# small Windows program that records how it was started.
add_executable(qel-standin windows/standin.cpp)
foreach(suite tst_launch tst_picker)
    if(TARGET ${suite})
        add_dependencies(${suite} qel-standin)
        target_compile_definitions(${suite} PRIVATE QEL_STANDIN_EXE="$<TARGET_FILE:qel-standin>")
    endif()
endforeach()

# A photo held open by another program, which Windows will not let anyone rename or delete.
add_executable(qel-holdfile windows/holdfile.cpp)
target_link_options(qel-holdfile PRIVATE -municode)
if(TARGET tst_photoautosave)
    add_dependencies(tst_photoautosave qel-holdfile)
    target_compile_definitions(tst_photoautosave
                               PRIVATE QEL_HOLDFILE_EXE="$<TARGET_FILE:qel-holdfile>")
endif()

# End to end: the real programs, driven under Wine by xdotool as a user would drive them. Each
# runs alone, because keys and the clipboard go to whichever window of the display has them.
if(TARGET QELedit AND TARGET qelphoto)
    add_test(NAME e2e_editor
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/e2e_editor.sh $<TARGET_FILE:QELedit>)
    add_test(NAME e2e_photo
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/e2e_photo.sh $<TARGET_FILE:qelphoto>)
    # The same with the picture left on the clipboard by a Windows program, as "Print Screen"
    # leaves it: a device-independent bitmap, or a device-dependent one.
    add_executable(qel-printscreen windows/printscreen.cpp)
    add_test(NAME e2e_printscreen
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/e2e_photo.sh $<TARGET_FILE:qelphoto>
                     $<TARGET_FILE:qel-printscreen>)
    add_test(NAME e2e_printscreen_bitmap
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/e2e_photo.sh $<TARGET_FILE:qelphoto>
                     $<TARGET_FILE:qel-printscreen> bitmap)
    # A damaged one, its pixels cut short or with no rows: refused, never saved.
    foreach(damage short flat)
        add_test(NAME e2e_printscreen_${damage}
                 COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/e2e_photo.sh
                         $<TARGET_FILE:qelphoto> $<TARGET_FILE:qel-printscreen> ${damage})
    endforeach()
    set_tests_properties(e2e_editor e2e_photo e2e_printscreen e2e_printscreen_bitmap
                         e2e_printscreen_short e2e_printscreen_flat PROPERTIES
        RUN_SERIAL TRUE TIMEOUT 600)
endif()

# Windows packaging: the resources Explorer reads from the programs, and the setup program made by
# scripts/windows test (into setup/ of this build tree) from these programs, installed and
# uninstalled silently in a simulator folder with scenarios, pictures and photos in it.
if(TARGET QELedit AND TARGET qelphoto)
    add_executable(qel-setup-probe windows/setup_probe.cpp)
    target_link_options(qel-setup-probe PRIVATE -municode)
    target_link_libraries(qel-setup-probe PRIVATE version shell32 ole32 uuid)
    add_test(NAME setup_resources
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/setup_resources.sh
                     $<TARGET_FILE:qel-setup-probe> $<TARGET_FILE:QELedit> $<TARGET_FILE:qelphoto>
                     ${PROJECT_VERSION})
    add_test(NAME setup_install
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/setup_install.sh
                     $<TARGET_FILE:qel-setup-probe> ${CMAKE_BINARY_DIR}/setup/qeltools-setup.exe
                     ${PROJECT_VERSION})
    # Setup writes the Start menu and the registry of the one Wine prefix.
    set_tests_properties(setup_install PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endif()
