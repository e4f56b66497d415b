# Writes the .ts file afresh from SOURCES and compares it with the one in the repository, TS.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK}/${name}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "lupdate failed (${failed})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${TS} ${WORK}/${name} RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u ${TS} ${WORK}/${name})
    message(FATAL_ERROR "${TS} does not hold the texts of the code: build the target "
                        "update_translations and commit the file")
endif()
