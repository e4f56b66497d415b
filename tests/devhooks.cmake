# Installed programs are built without the developer hooks. Each program's main() is built once
# more here exactly as such a build makes it (no hook library, so no QEL_DEVELOPER_HOOKS) and
# linked with the same libraries; neither may name a hook's variable, while the programs of this
# build, which have the hooks, must.
# The check reads how the build is configured, which is the same for Windows; there it would only
# add two more static links of both programs to the Windows stage.
if(WIN32)
    return()
endif()
set(QEL_HOOKLESS_DIR ${CMAKE_CURRENT_BINARY_DIR}/without-hooks)
set(QEL_HOOKLESS_PROGRAMS)
set(QEL_HOOKED_PROGRAMS)
foreach(program QELedit qelphoto)
    if(NOT TARGET ${program})
        continue()
    endif()
    get_target_property(sources ${program} SOURCES)
    get_target_property(source_dir ${program} SOURCE_DIR)
    list(TRANSFORM sources PREPEND ${source_dir}/)
    add_executable(${program}-without-hooks ${sources})
    target_link_libraries(${program}-without-hooks PRIVATE
                          $<IF:$<STREQUAL:${program},QELedit>,qeleditor,qelphotolib>)
    set_target_properties(${program}-without-hooks PROPERTIES
                          RUNTIME_OUTPUT_DIRECTORY ${QEL_HOOKLESS_DIR})
    list(APPEND QEL_HOOKLESS_PROGRAMS $<TARGET_FILE:${program}-without-hooks>)
    list(APPEND QEL_HOOKED_PROGRAMS $<TARGET_FILE:${program}>)
endforeach()
string(REPLACE ";" "|" QEL_HOOKLESS_PROGRAMS "${QEL_HOOKLESS_PROGRAMS}")
string(REPLACE ";" "|" QEL_HOOKED_PROGRAMS "${QEL_HOOKED_PROGRAMS}")
add_test(NAME developer_hooks_left_out
         COMMAND ${CMAKE_COMMAND} "-DWITHOUT=${QEL_HOOKLESS_PROGRAMS}"
                 "-DWITH=${QEL_HOOKED_PROGRAMS}" -P ${PROJECT_SOURCE_DIR}/devhooks/checkhooks.cmake)
