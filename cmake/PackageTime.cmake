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

# A package for another architecture takes its Depends line from the
# dpkg-shlibdeps of cmake/cross-shlibdeps, which CPack finds first on PATH.
if(CPACK_QUILLARY_CROSS_SHLIBDEPS)
  set(ENV{PATH} "${CPACK_QUILLARY_CROSS_SHLIBDEPS}:$ENV{PATH}")
  set(ENV{QUILLARY_DEB_ARCHITECTURE} ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
endif()
