# What `cmake --install` puts on the system besides the program, and the
# Debian package that CPack makes of it. Included from the top-level list.
include(GNUInstallDirs)

set(ZORVANE_APP_ID org.zorvane.Zorvane)

# The program icon in the hicolor theme, at each size that the icon file holds.
add_executable(extract_icon ${CMAKE_CURRENT_LIST_DIR}/extract_icon.cpp)
target_link_libraries(extract_icon PRIVATE Qt6::Gui)
set(ZORVANE_ICON_SOURCE ${PROJECT_SOURCE_DIR}/assets/generated/icon_main.ico)
set(ZORVANE_ICON_DIR ${PROJECT_BINARY_DIR}/packaging/icons)
add_custom_command(
  OUTPUT ${ZORVANE_ICON_DIR}/stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZORVANE_ICON_DIR}/hicolor
  COMMAND extract_icon ${ZORVANE_ICON_SOURCE} ${ZORVANE_ICON_DIR} ${ZORVANE_APP_ID}
  COMMAND ${CMAKE_COMMAND} -E touch ${ZORVANE_ICON_DIR}/stamp
  DEPENDS extract_icon ${ZORVANE_ICON_SOURCE}
  COMMENT "Extracting the program icon"
  VERBATIM)
add_custom_target(zorvane_icons ALL DEPENDS ${ZORVANE_ICON_DIR}/stamp)

install(DIRECTORY ${ZORVANE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package. Its library dependencies come from dpkg-shlibdeps; the
# faces that stand in for the layouts' fonts are named here, since nothing
# links against them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR "The Zorvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-in-a-line board game for two sides of three pieces")
set(CPACK_PACKAGE_DESCRIPTION "The sides place their pieces on the nine points of a three by three board, then move them along the board's lines; the first to stand three in a line wins. Two people at one screen, or one against the computer.")
set(CPACK_PACKAGE_CONTACT "The Zorvane developers <zorvane@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
include(CPack)
