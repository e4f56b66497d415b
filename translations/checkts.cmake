# Brings a copy of the repository's .ts file, TS, up to date from SOURCES, as the target
# update_translations does with the file itself, and compares the two: they differ when a text of
# the code is missing from TS or TS holds one the code no longer has. (A file written afresh would
# order the texts otherwise than an update does, and fail a file that update_translations wrote.)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
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
