# The Debian package: `cpack -G DEB` in the build folder (or `make package` at the top) after a build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolt-designer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvolt RU")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Screen designer for the Tarvolt RU CNC control panel")
set(CPACK_PACKAGE_DESCRIPTION
    "Compose the screens of the Tarvolt RU hand-held colour LCD panel of a CNC machine (work
screens, a splash screen with clock and animation, a power-fail screen), make the
SD-card files its firmware draws from, and download them to the panel over USB HID.
tarvolt-cli does the same work from the command line.")
set(TARVOLT_PACKAGE_MAINTAINER "Tarvolt RU designer developers <designer@tarvolt.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${TARVOLT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVOLT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the binaries (dpkg-shlibdeps); Qt's plugins are loaded at run time, so they are
# named: the desktop's platform plugins and the SVG support that draws the icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own dialog texts in the interface language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
