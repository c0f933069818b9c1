# What the Debian package holds beside the program and its manual page, and
# what makes it reproducible. CMakeLists.txt includes this after its CPACK_
# settings and before include(CPack).
#
# Debian policy asks every package for /usr/share/doc/<package>/copyright and,
# for a native package such as this one, a changelog.gz in Debian's changelog
# format. Both are made here from the files people edit, LICENSE and
# CHANGELOG.md, and `cmake --install` installs them too, so the licence
# travels with every installed copy.
set(debian_dir ${CMAKE_BINARY_DIR}/debian)
set(debian_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md)

# Writes `content` to `path`, leaving the file and its time alone when it
# holds that already.
function(quillary_write_if_changed path content)
  file(WRITE ${path}.new "${content}")
  file(COPY_FILE ${path}.new ${path} ONLY_IF_DIFFERENT)
  file(REMOVE ${path}.new)
endfunction()

# copyright, in the machine-readable format (DEP-5). The copyright line and
# the terms come from LICENSE; DEP-5 names the MIT licence's wording "Expat".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+)$")
  message(FATAL_ERROR "LICENSE has no 'Copyright (c) YEAR HOLDER' line "
                      "followed by a blank line and the terms")
endif()
set(copyright_holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" licence_terms)
# A DEP-5 text field: every line indented by one blank, blank lines as " .".
string(REPLACE "\n\n" "\n.\n" licence_terms "${licence_terms}")
string(REPLACE "\n" "\n " licence_terms "${licence_terms}")
quillary_write_if_changed(${debian_dir}/copyright "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${PROJECT_NAME}
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}

Files: *
Copyright: ${copyright_holder}
License: Expat
Comment: The MIT licence, in the wording that Debian names Expat.

License: Expat
 ${licence_terms}
")

# changelog, in Debian's format: one entry for each released version of
# CHANGELOG.md ("## [1.0.0] - 2026-12-08"), newest first; sections without a
# date, such as Unreleased, are left out. "### Added" becomes "  Added:", a
# "- " item becomes a "  * " item and every other line is indented by two.
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(trailer "")
set(debian_changelog "")
file(READ ${PROJECT_SOURCE_DIR}/CHANGELOG.md markdown)
while(NOT markdown STREQUAL "")
  string(FIND "${markdown}" "\n" line_end)
  if(line_end EQUAL -1)
    set(line "${markdown}")
    set(markdown "")
  else()
    string(SUBSTRING "${markdown}" 0 ${line_end} line)
    math(EXPR line_end "${line_end} + 1")
    string(SUBSTRING "${markdown}" ${line_end} -1 markdown)
  endif()

  if(line MATCHES "^## ")
    string(APPEND debian_changelog "${trailer}")
    set(trailer "")
    if(line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
      set(version ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_2})
      set(month ${CMAKE_MATCH_3})
      set(day ${CMAKE_MATCH_4})
      # The day of the week, by Sakamoto's method (0 is Sunday).
      set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
      math(EXPR month_index "${month} - 1")
      list(GET month_offsets ${month_index} offset)
      set(y ${year})
      if(month LESS 3)
        math(EXPR y "${y} - 1")
      endif()
      math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
      list(GET weekdays ${weekday} weekday_name)
      list(GET months ${month_index} month_name)
      if(NOT debian_changelog STREQUAL "")
        string(APPEND debian_changelog "\n")
      endif()
      string(APPEND debian_changelog
             "${CPACK_PACKAGE_NAME} (${version}) unstable; urgency=medium\n")
      set(trailer "\n -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000\n")
    endif()
  elseif(trailer STREQUAL "" OR line STREQUAL "")
    # Outside a released version, or a blank line.
  elseif(line MATCHES "^### (.+)$")
    string(APPEND debian_changelog "\n  ${CMAKE_MATCH_1}:\n")
  elseif(line MATCHES "^- (.+)$")
    string(APPEND debian_changelog "  * ${CMAKE_MATCH_1}\n")
  else()
    string(APPEND debian_changelog "  ${line}\n")
  endif()
endwhile()
string(APPEND debian_changelog "${trailer}")
if(debian_changelog STREQUAL "")
  message(FATAL_ERROR "CHANGELOG.md has no released version "
                      "('## [VERSION] - YYYY-MM-DD')")
endif()
quillary_write_if_changed(${debian_dir}/changelog "${debian_changelog}")

# Compressed as Debian compresses changelogs: gzip -9n, no name or time in
# the header.
add_custom_command(
  OUTPUT ${debian_dir}/changelog.gz
  COMMAND ${QUILLARY_GZIP} -9 -n -k -f ${debian_dir}/changelog
  DEPENDS ${debian_dir}/changelog
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(quillary_debian_changelog ALL
                  DEPENDS ${debian_dir}/changelog.gz)
install(FILES ${debian_dir}/copyright ${debian_dir}/changelog.gz
        DESTINATION ${debian_doc_dir})

# A cross build for Linux packages for the machine it runs on: Debian's name
# for that architecture, and the dependencies worked out by dpkg-shlibdeps in
# the system root of the toolchain file, under the names and versions of that
# architecture's own packages (cmake/cross-shlibdeps/dpkg-shlibdeps, which
# cpack finds first on PATH).
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_NAME STREQUAL Linux)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL aarch64)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^arm")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
  else()
    message(FATAL_ERROR "No Debian architecture known for a Linux build on "
                        "${CMAKE_SYSTEM_PROCESSOR}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${QUILLARY_SYSROOT}/lib)
  set(CPACK_QUILLARY_CROSS_SHLIBDEPS ${CMAKE_CURRENT_LIST_DIR}/cross-shlibdeps)
endif()

# Reproducible packages. CPack stamps every file and archive member with
# SOURCE_DATE_EPOCH when it is set, and with the current time otherwise;
# cmake/PackageTime.cmake, which cpack reads, sets it to the time of the last
# commit unless the caller has set it.
find_package(Git QUIET)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTime.cmake)
set(CPACK_QUILLARY_GIT "${GIT_EXECUTABLE}")
set(CPACK_QUILLARY_SOURCE_DIR "${PROJECT_SOURCE_DIR}")

# The build folder's path reaches the program only through the debug
# information's compilation directory, but that changes the linker's build
# ID, which stripping keeps. Mapped to ".", it leaves programs built in
# different folders equal in every build type.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  foreach(target quillary quillary_core quillary_static)
    if(NOT TARGET ${target})
      continue()
    endif()
    target_compile_options(${target}
                           PRIVATE -fdebug-prefix-map=${CMAKE_BINARY_DIR}=.)
  endforeach()
endif()
