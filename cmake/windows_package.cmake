# `cpack -G ZIP` in a Windows build makes quillary-<version>-win64.zip: one
# folder holding quillary.exe, the manual page rendered as UTF-8 text
# (Windows has no man), a README written for the person who runs the program
# (doc/windows/README.txt; the project's README.md speaks of building and
# testing) and the licence, which has to travel with every copy. Included
# just before CPack, after the Debian package's settings, whose install
# layout (bin/, share/man/, share/doc/) it replaces: only the files installed
# as the "windows" component go in.
find_program(QUILLARY_GROFF groff REQUIRED)
set(quillary_manual_text ${CMAKE_BINARY_DIR}/quillary.txt)
# Plain text without escape sequences or overstruck bold (-P-cbou), and
# without words broken at line ends (-rHY=0), so any text viewer shows it.
# The page rendered is the one doc/ versions for installing.
set(quillary_versioned_page ${PROJECT_BINARY_DIR}/doc/quillary.1)
add_custom_command(
  OUTPUT ${quillary_manual_text}
  COMMAND ${QUILLARY_GROFF} -man -Tutf8 -P-cbou -rHY=0
          ${quillary_versioned_page} > ${quillary_manual_text}
  DEPENDS ${quillary_versioned_page}
  COMMENT "Rendering the manual page as text")
add_custom_target(quillary_manual_text ALL DEPENDS ${quillary_manual_text})

# With CR LF line ends, which every Notepad shows as lines, the old ones too.
set(quillary_windows_readme ${CMAKE_BINARY_DIR}/README.txt)
configure_file(${PROJECT_SOURCE_DIR}/doc/windows/README.txt
               ${quillary_windows_readme} @ONLY NEWLINE_STYLE CRLF)

install(TARGETS quillary RUNTIME DESTINATION . COMPONENT windows)
install(FILES ${quillary_manual_text} ${quillary_windows_readme}
        ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION . COMPONENT windows)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quillary-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL windows)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
