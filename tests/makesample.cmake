# The sample maker on a machine without a display, with the X11 platform asked for: it must need
# no display at all, rather than abort when it finds none.
if(TARGET qel-make-sample AND UNIX AND NOT APPLE)
    add_test(NAME makesample_without_display
             COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                     QT_QPA_PLATFORM=xcb
                     $<TARGET_FILE:qel-make-sample> ${CMAKE_CURRENT_BINARY_DIR}/sample-without-display)
    set_tests_properties(makesample_without_display PROPERTIES TIMEOUT 60)
endif()
