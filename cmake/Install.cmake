# Installation and the Debian package.
#
# The program opens its pictures and its guide beside its own file, so it lives with them in a
# folder of its own, <prefix>/lib/corvalen, and <prefix>/bin/corvalen is a relative link to it.
# Qt finds the program's folder from the real file behind the link. Everything is installed as
# the component "corvalen"; `cmake --install <build> --component corvalen` installs it alone.

set(CORVALEN_PROGRAM_DIR lib/corvalen)
set(CORVALEN_MAINTAINER "Corvalen maintainers <corvalen@localhost>"
    CACHE STRING "Maintainer named in the Debian package (\"Name <address>\")")

install(TARGETS corvalen RUNTIME DESTINATION ${CORVALEN_PROGRAM_DIR} COMPONENT corvalen)
install(FILES ${CMAKE_SOURCE_DIR}/dist/corvalen.html
    DESTINATION ${CORVALEN_PROGRAM_DIR} COMPONENT corvalen)
if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/images)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/images/
        DESTINATION ${CORVALEN_PROGRAM_DIR}/images COMPONENT corvalen
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.ico")
endif()

install(FILES ${CORVALEN_QM_FILES} DESTINATION ${CORVALEN_PROGRAM_DIR}/translations
    COMPONENT corvalen)

# The link is made in the build tree and installed as a link, so DESTDIR and CPack staging
# both receive it unchanged.
set(corvalen_link ${CMAKE_BINARY_DIR}/install-links/corvalen)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ../${CORVALEN_PROGRAM_DIR}/corvalen ${corvalen_link} SYMBOLIC)
install(FILES ${corvalen_link} DESTINATION bin COMPONENT corvalen)

if(TARGET corvalen-code)
    install(TARGETS corvalen-code RUNTIME DESTINATION bin COMPONENT corvalen)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/dist/corvalen.desktop
    DESTINATION share/applications COMPONENT corvalen)
if(EXISTS ${CMAKE_SOURCE_DIR}/ui/resources/corvalen.png)
    install(FILES ${CMAKE_SOURCE_DIR}/ui/resources/corvalen.png
        DESTINATION share/icons/hicolor/32x32/apps COMPONENT corvalen)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/corvalen COMPONENT corvalen)
# The licence as Debian expects it: a copyright file in the package's doc folder.
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright DESTINATION share/doc/corvalen COMPONENT corvalen)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CORVALEN_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess by e-mail for two players")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvalen lets two people play chess by e-mail. The whole game travels as one line of
text, the position code: each run of the program reads the opponent's code from the
clipboard, takes one legal move by drag and drop and puts the new code on the clipboard
for the reply.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL corvalen)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVALEN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries at least as new as the ones built against, the platform plugins a desktop
# session needs, and xdg-open for the guide link; dpkg-shlibdeps adds the C and C++ runtime.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= ${Qt6_VERSION}), libqt6gui6 (>= ${Qt6_VERSION}), libqt6core6 (>= ${Qt6_VERSION}), qt6-qpa-plugins, xdg-utils")
# Qt's own translations make the standard buttons speak the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
