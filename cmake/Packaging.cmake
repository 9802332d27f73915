# The Debian package: cpack -G DEB in the build folder makes dorvane_<version>_<arch>.deb.
if(NOT UNIX OR APPLE OR NOT DORVANE_GUI)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_CONTACT "${DORVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Dorvane reminds you to get ready for work. For each day of the week you set
the time at which you want to be alerted and tick whether it is a working day.
Dorvane then sits in the notification area and checks the clock twice a
minute. When the minute of today's time comes on a working day, it covers the
screen with your message in the colours you chose.

The package starts Dorvane at every graphical login. A user turns that off
with a copy of its autostart entry in ~/.config/autostart carrying
Hidden=true, which the startup settings of KDE Plasma and Xfce write.]])
# Staged through DESTDIR with the prefix /usr, so that the install rules see the prefix the system
# will, and put the autostart entry in /etc rather than /usr/etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, where dpkg-shlibdeps cannot see them. The windows are
# laid out for Arial, for which fontconfig picks the metric-compatible Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own translations give the colour dialog and the message boxes' buttons the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Everything under /etc is the administrator's to change, so dpkg keeps it as a conffile.
file(WRITE ${CMAKE_BINARY_DIR}/deb-control/conffiles "/etc/xdg/autostart/dorvane.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/deb-control/conffiles)

include(CPack)
