# Installation and the Debian package. The game reads Media/ relative to its
# working directory, so the executable goes to a private folder and bin/ gets a
# launcher that steps into the data folder first.
include(GNUInstallDirs)

set(VANTORIX_BINARY_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantorix)
set(VANTORIX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantorix)

configure_file(${PROJECT_SOURCE_DIR}/packaging/vantorix.in ${PROJECT_BINARY_DIR}/packaging/vantorix
               @ONLY)

install(TARGETS vantorix RUNTIME DESTINATION ${VANTORIX_BINARY_DIR})
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/vantorix DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_BINARY_DIR}/Media DESTINATION ${VANTORIX_DATA_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantorix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon is drawn from the same art as the game's sprites.
if(TARGET vantorix_mediagen)
  add_executable(vantorix_icon ${PROJECT_SOURCE_DIR}/tools/icon/AppIcon.cpp)
  target_link_libraries(vantorix_icon PRIVATE vantorix_mediagen)
  vantorix_warnings(vantorix_icon)

  set(VANTORIX_ICONS)
  foreach(size 64x64 128x128 256x256)
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

set(CPACK_PACKAGE_NAME vantorix)
set(CPACK_PACKAGE_VENDOR "Vantorix")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arcade space shooter")
set(CPACK_PACKAGE_DESCRIPTION "Vantorix is a small arcade space shooter: enemies arrive in \
timed waves, a boss closes every level and every seventh kill drops a power-up.")
set(CPACK_PACKAGE_CONTACT "Vantorix developers <dev@vantorix.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps turns the executable's libraries into Depends: the SFML 2.5
# runtime packages, libX11, the C and C++ runtimes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
