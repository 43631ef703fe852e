# The files made from NEWS, the one record of releases, and from LICENSE:
#   changelog.gz    the Debian changelog of the package
#   vardel.1.gz     the manual page, dated with the latest release
#   copyright       the licence in Debian's machine-readable form
# and VARDEL_RELEASES_XML, the release list of the AppStream metainfo.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/LICENSE)

# RFC 5322 date of a release day, at noon UTC, as Debian changelogs want it.
function(vardel_rfc_date iso_date out)
  execute_process(COMMAND date -u -R -d "${iso_date} 12:00" OUTPUT_VARIABLE rfc_date
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "NEWS: ${iso_date} is not a date")
  endif()
  set(${out} "${rfc_date}" PARENT_SCOPE)
endfunction()

function(vardel_gzip source target)
  execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${target} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${source} failed: ${result}")
  endif()
endfunction()

# NEWS: each release is a line "version (YYYY-MM-DD)" followed by its notes,
# "  * " items with continuation lines indented by four, newest first.
# A semicolon would split a line in a CMake list: it travels as a stand-in.
file(READ ${PROJECT_SOURCE_DIR}/NEWS news)
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" news "${news}")
string(REPLACE "\n" ";" news_lines "${news}")
set(changelog "")
set(VARDEL_RELEASES_XML "")
set(VARDEL_RELEASE_DATE "")
set(entry_open FALSE)
foreach(line IN LISTS news_lines)
  if(line MATCHES "^([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
    set(version ${CMAKE_MATCH_1})
    set(date ${CMAKE_MATCH_2})
    if(entry_open)
      string(APPEND changelog "${trailer}\n")
    elseif(NOT version VERSION_EQUAL PROJECT_VERSION)
      message(FATAL_ERROR "NEWS begins with ${version}, but this is ${PROJECT_VERSION}")
    else()
      set(VARDEL_RELEASE_DATE ${date})
    endif()
    vardel_rfc_date(${date} rfc_date)
    set(trailer "\n\n -- ${VARDEL_MAINTAINER}  ${rfc_date}\n")
    string(APPEND changelog "vardel (${version}) unstable; urgency=medium\n")
    string(APPEND VARDEL_RELEASES_XML
           "    <release version=\"${version}\" date=\"${date}\"/>\n")
    set(entry_open TRUE)
  elseif(entry_open AND line MATCHES "^  ")
    string(REPLACE "${semicolon}" ";" line "${line}")
    string(APPEND changelog "\n${line}")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "NEWS: cannot read the line \"${line}\"")
  endif()
endforeach()
if(NOT entry_open)
  message(FATAL_ERROR "NEWS holds no release")
endif()
string(APPEND changelog "${trailer}")
string(STRIP "${VARDEL_RELEASES_XML}" VARDEL_RELEASES_XML)

set(changelog_file ${CMAKE_CURRENT_BINARY_DIR}/changelog)
file(WRITE ${changelog_file} "${changelog}")
vardel_gzip(${changelog_file} ${changelog_file}.gz)

set(manual_file ${CMAKE_CURRENT_BINARY_DIR}/vardel.1)
configure_file(vardel.1.in ${manual_file} @ONLY)
vardel_gzip(${manual_file} ${manual_file}.gz)

# LICENSE: a heading, the copyright line, then the permission text, which
# becomes the licence paragraph: each line indented, blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*)$")
  message(FATAL_ERROR "LICENSE: no copyright line")
endif()
set(VARDEL_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
set(VARDEL_LICENSE_TEXT "${license_text}")
set(copyright_file ${CMAKE_CURRENT_BINARY_DIR}/copyright)
configure_file(copyright.in ${copyright_file} @ONLY)
