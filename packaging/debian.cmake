# The Debian packages, made with `cpack -G DEB` in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr: "pendrel" (the program, its window module, the autostart
# entry and the manual page) and "libpendrel-dev" (the family's libraries for other
# programs). Install rules without a component of their own belong to the program.
set(pendrel_program_package pendrel)
set(pendrel_development_package libpendrel-dev)

# Debian wants documentation compressed, without a time stamp in the file.
function(pendrel_gzip input output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${input} ${output}
    DEPENDS ${input} VERBATIM)
endfunction()

set(pendrel_man_page ${CMAKE_BINARY_DIR}/doc/pendrel.1.gz)
set(pendrel_changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/doc)
pendrel_gzip(${PROJECT_SOURCE_DIR}/doc/pendrel.1 ${pendrel_man_page})
pendrel_gzip(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${pendrel_changelog})
add_custom_target(pendrel_documentation ALL DEPENDS ${pendrel_man_page} ${pendrel_changelog})

install(FILES ${pendrel_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
foreach(component program development)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${pendrel_changelog}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${pendrel_${component}_package}
    COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pendrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pendrel developers <pendrel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# The autostart entry has an absolute destination below /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program autostart development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)


set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME ${pendrel_program_package})
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "desktop wallpaper from a web server at every login
Pendrel loads a content page from its web server at every login, picks one of
the pictures it lists at random, downloads it and makes it the desktop
wallpaper. A failure leaves the wallpaper as it was.")
# Files below /etc are the administrator's once installed.
set(pendrel_conffiles ${CMAKE_BINARY_DIR}/packaging/conffiles)
file(WRITE ${pendrel_conffiles} "${PENDREL_AUTOSTART_DIR}/pendrel.desktop\n")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_CONTROL_EXTRA ${pendrel_conffiles})

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${pendrel_development_package})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libcurl4-openssl-dev | libcurl-dev, pkg-config")
# Windows and message boxes of a linking program come from the program package's window
# module; without it they go to standard error. Not a dependency: that package would also
# change the developer's wallpaper at every login.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SUGGESTS ${pendrel_program_package})
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "static libraries and headers of the Pendrel family
The standard library the programs of the Pendrel family link: text fields and
tokens, switches, number masks, scrambling, file and directory helpers, FTP,
EBCDIC conversion and small windows. find_package(Pendrel CONFIG) gives the
targets Pendrel::runtime, Pendrel::stdproc and Pendrel::docgen.")

include(CPack)
cpack_add_component_group(program)
cpack_add_component_group(development)
cpack_add_component(program GROUP program)
cpack_add_component(autostart GROUP program)
cpack_add_component(development GROUP development)
