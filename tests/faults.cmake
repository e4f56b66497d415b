# The photo tool's fault suite drives the photo tool's window, so it links the photo tool's
# library in place of the editor's (both programs have a window class Form1).
if(TARGET tst_faults_photo AND TARGET qelphotolib)
    set_property(TARGET tst_faults_photo PROPERTY LINK_LIBRARIES qeltestsupport qelphotolib)
endif()
