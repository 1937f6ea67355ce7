# Installing the program as a desktop application: the program (stripped), its menu entry, its
# icon, what a software centre lists (AppStream) and its copyright and changelog in the usual
# places, and a Debian package of the same files made by CPack.
include(GNUInstallDirs)

set(REFRACTION_VERSION 1.0.0)
set(REFRACTION_RELEASE_DATE 2026-12-07) # the date of the latest entry of changelog.Debian
set(REFRACTION_ID org.example.refraction)
set(REFRACTION_MAINTAINER
    "Refraction teaching program developers <refraction-dev@users.noreply.example.org>"
    CACHE STRING "The program's maintainer, in the package and the software centre's metadata")
string(REGEX REPLACE "^.*<(.*)>.*$" "\\1" REFRACTION_CONTACT "${REFRACTION_MAINTAINER}")
set(REFRACTION_SCREENSHOT_URL "https://refraction.example.org/docs/semicircle.png"
    CACHE STRING "Where a software centre fetches the screenshot (docs/semicircle.png)")
option(REFRACTION_INSTALL_STRIP "Strip the program as cmake --install puts it in place" ON)

# The installed program carries no symbols: 24 MB become a few. The build tree keeps them.
if(REFRACTION_INSTALL_STRIP)
  install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
endif()
install(TARGETS refraction RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${REFRACTION_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/refraction.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The metainfo names the release's date and the screenshot's size (read from the PNG's header).
file(READ ${CMAKE_SOURCE_DIR}/docs/semicircle.png png_header OFFSET 16 LIMIT 8 HEX)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/semicircle.png)
string(SUBSTRING "${png_header}" 0 8 png_width)
string(SUBSTRING "${png_header}" 8 8 png_height)
math(EXPR SCREENSHOT_WIDTH "0x${png_width}")
math(EXPR SCREENSHOT_HEIGHT "0x${png_height}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/${REFRACTION_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${REFRACTION_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${REFRACTION_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright and the changelog, compressed as Debian keeps them (gzip -9, no name or time
# inside, so the same changelog always gives the same bytes).
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.Debian.gz
                   COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog.Debian
                           > ${CMAKE_BINARY_DIR}/changelog.Debian.gz
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog.Debian VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/refraction)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME refraction)
set(CPACK_PACKAGE_VERSION ${REFRACTION_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Study of refraction: the law of refraction taught with a half-disc of glass")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${REFRACTION_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above this as the first line of the Description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop program, in English and Greek, that teaches the law of refraction to
one student at a time. The student sends rays through a simulated half-disc of
glass on a graduated protractor and measures its refractive index, fits a
class's own measurements or the historical ones of Ptolemy, Al Haytham, Witelo
and Newton, lays the historical laws of refraction over the data, and follows
the wave and particle interpretations and Fermat's least time.")
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
