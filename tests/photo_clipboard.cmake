# The clipboard suite needs a real X display and a second program owning the clipboard, so it
# runs under xvfb-run instead of on the offscreen platform (where it could only skip).
if(TARGET tst_photoclipboard AND UNIX AND NOT APPLE)
    set_tests_properties(tst_photoclipboard PROPERTIES DISABLED TRUE)
    add_test(NAME photo_clipboard
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/photo_clipboard.sh $<TARGET_FILE:tst_photoclipboard>)
    set_tests_properties(photo_clipboard PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
