# Compiles the file type into a private MIME database, as the system does on
# installation, and checks what a file manager will read from it.
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE} DESTINATION ${WORK}/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE failed ERROR_QUIET)
if(failed)
    message(FATAL_ERROR "update-mime-database failed on ${SOURCE}")
endif()
file(READ ${WORK}/globs2 globs)
file(READ ${WORK}/subclasses subclasses)
if(NOT globs MATCHES ":application/x-merovi-playlist:\\*\\.mrv\n"
   OR NOT subclasses MATCHES "application/x-merovi-playlist application/zip\n")
    message(FATAL_ERROR "${SOURCE} does not give *.mrv as a kind of zip:\n${globs}${subclasses}")
endif()
