# The editor's windows on a screen scaled by 2, as on a high-density display: every window keeps
# its layout in device-independent pixels.
if(TARGET tst_windowsizes)
    add_test(NAME tst_windowsizes_scaled COMMAND tst_windowsizes)
    set_tests_properties(tst_windowsizes_scaled PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2"
        TIMEOUT 300)
endif()
