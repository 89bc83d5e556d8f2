# The translations: po/<ll>.po for the game's words, the desktop entry and the
# metainfo, po/man/<ll>.po for the manual page; po/LINGUAS lists the
# languages. scripts/translations.py refreshes them from the sources (the
# translations-update target) and checks them (a test).
find_program(VANTORIX_MSGFMT msgfmt)
if(NOT VANTORIX_MSGFMT)
  message(FATAL_ERROR "msgfmt not found: install the Debian package gettext (scripts/install-deps.sh)")
endif()

set(po ${PROJECT_SOURCE_DIR}/po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po}/LINGUAS)
file(STRINGS ${po}/LINGUAS linguas_lines REGEX "^[^#]")
string(REGEX REPLACE "[ \t]+" ";" VANTORIX_LANGUAGES "${linguas_lines}")
list(REMOVE_ITEM VANTORIX_LANGUAGES "")

# The game finds its catalogues in locale/ beside Media/ in the build folder,
# and the installed game relative to the data folder it runs in.
file(RELATIVE_PATH installed_locale /prefix/${VANTORIX_DATA_DIR} /prefix/${CMAKE_INSTALL_LOCALEDIR})
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/language/Translation.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VANTORIX_INSTALLED_LOCALE="${installed_locale}")

set(catalogues)
set(game_po_files)
foreach(language IN LISTS VANTORIX_LANGUAGES)
  set(folder ${PROJECT_BINARY_DIR}/locale/${language}/LC_MESSAGES)
  add_custom_command(
    OUTPUT ${folder}/vantorix.mo
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${VANTORIX_MSGFMT} --check -o ${folder}/vantorix.mo ${po}/${language}.po
    DEPENDS ${po}/${language}.po
    VERBATIM)
  list(APPEND catalogues ${folder}/vantorix.mo)
  list(APPEND game_po_files ${po}/${language}.po)
  install(FILES ${folder}/vantorix.mo DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
endforeach()

# The desktop entry and the metainfo take their translations from the same
# catalogues; the game's name is no text of theirs, so it stays as it is.
set(desktop ${PROJECT_BINARY_DIR}/packaging/vantorix.desktop)
add_custom_command(
  OUTPUT ${desktop}
  COMMAND ${VANTORIX_MSGFMT} --desktop
          --template=${PROJECT_SOURCE_DIR}/packaging/vantorix.desktop.in -d ${po} -o ${desktop}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/vantorix.desktop.in ${game_po_files} ${po}/LINGUAS
  VERBATIM)
set(metainfo ${PROJECT_BINARY_DIR}/packaging/${VANTORIX_APPSTREAM_ID}.metainfo.xml)
set(metainfo_template ${PROJECT_BINARY_DIR}/packaging/template/${VANTORIX_APPSTREAM_ID}.metainfo.xml)
add_custom_command(
  OUTPUT ${metainfo}
  COMMAND ${VANTORIX_MSGFMT} --xml --template=${metainfo_template} -d ${po} -o ${metainfo}
  DEPENDS ${metainfo_template} ${game_po_files} ${po}/LINGUAS
  VERBATIM)

# The manual page in each language, filled in and compressed as the English
# one. po4a writes the translated pages when the build is configured.
find_program(VANTORIX_PO4A po4a)
if(NOT VANTORIX_PO4A)
  message(FATAL_ERROR "po4a not found: install the Debian package po4a (scripts/install-deps.sh)")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po}/man/po4a.cfg
             ${PROJECT_SOURCE_DIR}/packaging/vantorix.6.in)
foreach(language IN LISTS VANTORIX_LANGUAGES)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po}/man/${language}.po)
  file(REMOVE ${PROJECT_BINARY_DIR}/man/${language}/vantorix.6.in)
endforeach()
execute_process(
  COMMAND ${VANTORIX_PO4A} --no-update --keep 100 --master-charset UTF-8 --localized-charset UTF-8
          --srcdir ${PROJECT_SOURCE_DIR} --destdir ${PROJECT_BINARY_DIR} ${po}/man/po4a.cfg
  OUTPUT_QUIET)
set(man_pages)
foreach(language IN LISTS VANTORIX_LANGUAGES)
  set(folder ${PROJECT_BINARY_DIR}/man/${language})
  # A page not wholly translated is left out, so that a new line in the English
  # page never stops a build; the catalogues' test fails until it is translated.
  if(NOT EXISTS ${folder}/vantorix.6.in)
    message(WARNING "po/man/${language}.po does not translate the whole manual page: "
                    "run the translations-update target and translate what it marks")
    continue()
  endif()
  configure_file(${folder}/vantorix.6.in ${folder}/vantorix.6 @ONLY)
  add_custom_command(
    OUTPUT ${folder}/vantorix.6.gz
    COMMAND ${GZIP_PROGRAM} -9 --no-name --keep --force ${folder}/vantorix.6
    DEPENDS ${folder}/vantorix.6
    VERBATIM)
  list(APPEND man_pages ${folder}/vantorix.6.gz)
  install(FILES ${folder}/vantorix.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6)
endforeach()

add_custom_target(vantorix_translations ALL DEPENDS ${catalogues} ${desktop} ${metainfo} ${man_pages})

find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_custom_target(translations-update
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/translations.py update
            --build ${PROJECT_BINARY_DIR}
    DEPENDS ${metainfo_template}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing po/ from the sources"
    VERBATIM)
endif()
