# Read by cpack before it builds a package (CPACK_PROJECT_CONFIG_FILE). CPack
# stamps every file and archive member with SOURCE_DATE_EPOCH when it is set;
# unless the caller has set it, it is the time of the last commit, so the same
# commit gives the same package, byte for byte, whenever it is built.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND "${CPACK_QUILLARY_GIT}" log -1 --format=%ct
    WORKING_DIRECTORY "${CPACK_QUILLARY_SOURCE_DIR}"
    OUTPUT_VARIABLE commit_time
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status
    ERROR_QUIET)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  else()
    message(WARNING "No git commit found in ${CPACK_QUILLARY_SOURCE_DIR}: "
                    "the package is stamped with the current time. Set "
                    "SOURCE_DATE_EPOCH to build it reproducibly.")
  endif()
endif()
