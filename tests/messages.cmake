# The message box suite reads what the X server shows, so it runs on a virtual X display too.
if(TARGET tst_messages AND UNIX AND NOT APPLE)
    set_tests_properties(tst_messages PROPERTIES DISABLED TRUE)
    add_test(NAME messages_x11
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/photo_clipboard.sh $<TARGET_FILE:tst_messages>)
    set_tests_properties(messages_x11 PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
