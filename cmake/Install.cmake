# Installation, laid out as Debian lays out games: the launcher in games/, the
# data in share/games/vantorix. The game reads Media/ relative to its working
# directory, so the executable goes to a private folder and the launcher steps
# into the data folder first. The Debian package (debian/) installs through
# these same rules.
include(GNUInstallDirs)

set(VANTORIX_INSTALL_GAMESDIR games
    CACHE STRING "Folder under the prefix for the vantorix command (bin suits a home folder)")
set(VANTORIX_BINARY_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantorix)
set(VANTORIX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/vantorix)
set(VANTORIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vantorix)
# Where the metainfo's homepage and screenshots point (docs/screenshots/ holds the pictures).
set(VANTORIX_HOMEPAGE https://vantorix.invalid CACHE STRING "Vantorix's web site, without a final /")
# Lower case, as the software centres' validators prefer.
set(VANTORIX_APPSTREAM_ID invalid.vantorix.vantorix)

# The software centre shows the package's own description: the extended part
# of debian/control's Description, where " ." lines part paragraphs.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/control)
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/control control_lines)
set(VANTORIX_DESCRIPTION "")
set(in_description FALSE)
foreach(line IN LISTS control_lines)
  if(line MATCHES "^Description: ")
    set(in_description TRUE)
  elseif(in_description AND line MATCHES "^ (.*)$")
    if(CMAKE_MATCH_1 STREQUAL ".")
      string(APPEND VANTORIX_DESCRIPTION "\n")
    else()
      string(APPEND VANTORIX_DESCRIPTION "${CMAKE_MATCH_1}\n")
    endif()
  else()
    set(in_description FALSE)
  endif()
endforeach()
string(STRIP "${VANTORIX_DESCRIPTION}" VANTORIX_DESCRIPTION)
if(VANTORIX_DESCRIPTION STREQUAL "")
  message(FATAL_ERROR "debian/control: no extended Description")
endif()

# The version is the project's; the newest debian/changelog entry must name it,
# and its date is the release date the manual page and the metainfo show (the
# same date that dpkg-buildpackage takes as SOURCE_DATE_EPOCH).
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog VANTORIX_CHANGELOG_LINES
     REGEX "^vantorix \\(|^ -- ")
list(GET VANTORIX_CHANGELOG_LINES 0 heading)
list(GET VANTORIX_CHANGELOG_LINES 1 trailer)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT heading MATCHES "^vantorix \\(${version_pattern}\\)")
  message(FATAL_ERROR "debian/changelog: the newest entry is not for version "
                      "${PROJECT_VERSION}; add one for it (dch -v ${PROJECT_VERSION})")
endif()
if(NOT trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: no date in \"${trailer}\"")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
  set(month 0${month})
endif()
set(VANTORIX_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})

# The launcher finds the game and its data relative to itself, so the installed
# tree can move.
file(RELATIVE_PATH VANTORIX_LAUNCHER_TO_DATA /prefix/${VANTORIX_INSTALL_GAMESDIR}
     /prefix/${VANTORIX_DATA_DIR})
file(RELATIVE_PATH VANTORIX_LAUNCHER_TO_BINARY /prefix/${VANTORIX_INSTALL_GAMESDIR}
     /prefix/${VANTORIX_BINARY_DIR}/vantorix)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantorix.in ${PROJECT_BINARY_DIR}/packaging/vantorix
               @ONLY)

string(REPLACE "\n\n" "</p>\n<p>" VANTORIX_DESCRIPTION_XML "<p>${VANTORIX_DESCRIPTION}</p>")
string(REPLACE "\n" "\n    " VANTORIX_DESCRIPTION_XML "    ${VANTORIX_DESCRIPTION_XML}")
include(cmake/Releases.cmake)
# The English metainfo, which the translations are merged into (cmake/Translations.cmake).
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantorix.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/template/${VANTORIX_APPSTREAM_ID}.metainfo.xml @ONLY)

# The manual page and the changelog ship compressed, without name or time stamp
# so that every build gives the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantorix.6.in ${PROJECT_BINARY_DIR}/packaging/vantorix.6
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/debian/changelog ${PROJECT_BINARY_DIR}/packaging/changelog
               COPYONLY)
set(VANTORIX_COMPRESSED_DOCS)
foreach(document vantorix.6 changelog)
  set(plain ${PROJECT_BINARY_DIR}/packaging/${document})
  add_custom_command(
    OUTPUT ${plain}.gz
    COMMAND ${GZIP_PROGRAM} -9 --no-name --keep --force ${plain}
    DEPENDS ${plain}
    VERBATIM)
  list(APPEND VANTORIX_COMPRESSED_DOCS ${plain}.gz)
endforeach()
add_custom_target(vantorix_docs ALL DEPENDS ${VANTORIX_COMPRESSED_DOCS})

install(TARGETS vantorix RUNTIME DESTINATION ${VANTORIX_BINARY_DIR})
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/vantorix DESTINATION ${VANTORIX_INSTALL_GAMESDIR})
install(FILES ${PROJECT_BINARY_DIR}/packaging/vantorix.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${VANTORIX_DOC_DIR})
include(cmake/Translations.cmake)
install(FILES ${PROJECT_BINARY_DIR}/packaging/vantorix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${VANTORIX_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The level font is not copied: Media/Fonts/Digital_tech.otf becomes a link to
# the file of the Debian package that ships it, and the package depends on that
# package. Its licence is in the copyright file. Within one prefix the link is
# relative, as Debian asks of links inside /usr.
install(DIRECTORY ${PROJECT_BINARY_DIR}/Media DESTINATION ${VANTORIX_DATA_DIR}
        PATTERN Fonts EXCLUDE)
install(DIRECTORY ${PROJECT_BINARY_DIR}/Demos DESTINATION ${VANTORIX_DATA_DIR})
set(link_font [=[
set(fonts "${CMAKE_INSTALL_PREFIX}/@VANTORIX_DATA_DIR@/Media/Fonts")
set(font "@VANTORIX_DIGITAL_FONT@")
string(FIND "${font}" "${CMAKE_INSTALL_PREFIX}/" within)
set(target "${font}")
if(within EQUAL 0)
  file(RELATIVE_PATH target "${fonts}" "${font}")
endif()
file(MAKE_DIRECTORY "$ENV{DESTDIR}${fonts}")
message(STATUS "Installing: $ENV{DESTDIR}${fonts}/Digital_tech.otf -> ${target}")
file(CREATE_LINK "${target}" "$ENV{DESTDIR}${fonts}/Digital_tech.otf" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${fonts}/Digital_tech.otf")
]=])
string(CONFIGURE "${link_font}" link_font @ONLY)
install(CODE "${link_font}")

# The icon is drawn from the same art as the game's sprites.
if(TARGET vantorix_mediagen)
  add_executable(vantorix_icon ${PROJECT_SOURCE_DIR}/tools/icon/AppIcon.cpp)
  target_link_libraries(vantorix_icon PRIVATE vantorix_mediagen)
  vantorix_warnings(vantorix_icon)

  set(VANTORIX_ICONS)
  foreach(size 48x48 64x64 128x128 256x256)
    list(APPEND VANTORIX_ICONS ${PROJECT_BINARY_DIR}/icons/hicolor/${size}/apps/vantorix.png)
  endforeach()
  add_custom_command(
    OUTPUT ${VANTORIX_ICONS}
    COMMAND vantorix_icon ${PROJECT_BINARY_DIR}/icons
    DEPENDS vantorix_icon
    COMMENT "Drawing the desktop icon"
    VERBATIM)
  add_custom_target(vantorix_icons ALL DEPENDS ${VANTORIX_ICONS})
  install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
