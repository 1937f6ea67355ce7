# Installing the program as a desktop application: the program, its menu entry and its
# icon in the usual places, and a Debian package of the same files made by CPack.
include(GNUInstallDirs)

install(TARGETS refraction RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/refraction.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/refraction.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME refraction)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Study of refraction: the law of refraction taught with a half-disc of glass")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Study of refraction <refraction@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above this as the first line of the Description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop program, in English and Greek, that teaches the law of refraction to one
student at a time. The student sends rays through a simulated half-disc of glass on a
protractor and measures its refractive index, fits the historical measurements of
Ptolemy, Al Haytham, Witelo and Newton, lays the historical laws of refraction over the
data, and follows the wave and particle interpretations and Fermat's least time.")
# The libraries come from the binary (Qt from the system; the program's own are linked in);
# the fonts are those the program maps its classic font names onto at start-up.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6gui6, libqt6core6, libstdc++6, libgcc-s1, libc6, fonts-liberation2, fonts-dejavu-core")
endif()

set(CPACK_SOURCE_GENERATOR TGZ)
# The source package is the tree as kept: no build folders, snapshots or record files.
set(CPACK_SOURCE_IGNORE_FILES "^${PROJECT_SOURCE_DIR}/\\\\.git" "^${PROJECT_SOURCE_DIR}/build"
    "^${PROJECT_SOURCE_DIR}/snapshots/" "^${PROJECT_SOURCE_DIR}/fylaxi$")
include(CPack)
