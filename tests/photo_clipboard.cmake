# Suites that need a real X display run under xvfb-run (photo_clipboard.sh) instead of on the
# offscreen platform, where they could only skip: the clipboard suite has a second program own
# the clipboard, and the message box suite reads the titles the X server shows.
function(qel_suite_on_x11 suite test_name)
    if(TARGET ${suite} AND UNIX AND NOT APPLE)
        set_tests_properties(${suite} PROPERTIES DISABLED TRUE)
        add_test(NAME ${test_name}
                 COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/photo_clipboard.sh $<TARGET_FILE:${suite}>)
        set_tests_properties(${test_name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
    endif()
endfunction()

qel_suite_on_x11(tst_photoclipboard photo_clipboard)
qel_suite_on_x11(tst_messages messages_x11)
