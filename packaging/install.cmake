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

# Whoever makes the package maintains it: Debian's DEBFULLNAME and DEBEMAIL,
# else the git identity of this source tree. The project has no address of
# its own to put there.
set(ZORVANE_MAINTAINER_DEFAULT "")
if(DEFINED ENV{DEBEMAIL} AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if(DEFINED ENV{DEBFULLNAME} AND NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(ZORVANE_MAINTAINER_DEFAULT "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    set(ZORVANE_MAINTAINER_DEFAULT "$ENV{DEBEMAIL}")
  endif()
else()
  find_program(GIT git)
  if(GIT)
    execute_process(COMMAND ${GIT} -C ${PROJECT_SOURCE_DIR} config user.name
      OUTPUT_VARIABLE git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND ${GIT} -C ${PROJECT_SOURCE_DIR} config user.email
      OUTPUT_VARIABLE git_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(git_name AND git_email)
      set(ZORVANE_MAINTAINER_DEFAULT "${git_name} <${git_email}>")
    endif()
  endif()
endif()
set(ZORVANE_PACKAGE_MAINTAINER "${ZORVANE_MAINTAINER_DEFAULT}" CACHE STRING
  "The Debian package's maintainer, \"Name <address>\"; by default DEBFULLNAME and DEBEMAIL, or git's user")

# The manual page and the package's changelog, compressed as Debian wants them:
# at the highest level, without a name or a time stamp.
set(ZORVANE_DOC_DIR ${PROJECT_BINARY_DIR}/packaging/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${ZORVANE_DOC_DIR}/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${ZORVANE_DOC_DIR}/zorvane.6.gz ${ZORVANE_DOC_DIR}/changelog.gz
  COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/zorvane.6 > ${ZORVANE_DOC_DIR}/zorvane.6.gz
  COMMAND ${GZIP} -9nc ${ZORVANE_DOC_DIR}/changelog > ${ZORVANE_DOC_DIR}/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/zorvane.6 ${ZORVANE_DOC_DIR}/changelog
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(zorvane_docs ALL DEPENDS ${ZORVANE_DOC_DIR}/zorvane.6.gz ${ZORVANE_DOC_DIR}/changelog.gz)
install(FILES ${ZORVANE_DOC_DIR}/zorvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ZORVANE_DOC_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane)

# The Debian package, made here by the project itself, so a native one. Its
# library dependencies come from dpkg-shlibdeps; the faces that stand in for
# the layouts' fonts are named here, since nothing links against them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR "The Zorvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-in-a-line board game for two sides of three pieces")
set(CPACK_PACKAGE_DESCRIPTION "The sides place their pieces on the nine points of a three by three
board, then move them along the board's lines; the first to stand three
in a line wins. Two people at one screen, or one against the computer.")
# Empty when nobody is known: CPack then refuses to make the package and says why.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
include(CPack)
