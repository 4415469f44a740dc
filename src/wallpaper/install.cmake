# A wallpaper changer runs at every login: an XDG autostart entry starts the installed
# program in each desktop session.
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
  set(pendrel_default_autostart_dir "/etc/xdg/autostart")
else()
  set(pendrel_default_autostart_dir "${CMAKE_INSTALL_PREFIX}/etc/xdg/autostart")
endif()
set(PENDREL_AUTOSTART_DIR "${pendrel_default_autostart_dir}" CACHE PATH
    "Where the XDG autostart entry is installed (desktops read /etc/xdg/autostart)")

set(PENDREL_INSTALLED_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}/pendrel")
configure_file(${CMAKE_CURRENT_LIST_DIR}/pendrel.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/pendrel.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pendrel.desktop
        DESTINATION ${PENDREL_AUTOSTART_DIR} COMPONENT autostart)
