# What the POSIX platform files link: libcurl for the transports, the loader for dlopen,
# and the GTK window module that the runtime loads on first need.
target_link_libraries(pendrel_runtime PUBLIC PkgConfig::CURL PRIVATE ${CMAKE_DL_LIBS})
target_compile_definitions(pendrel_runtime PRIVATE
  PENDREL_GTK_MODULE_DIR="${CMAKE_INSTALL_FULL_LIBDIR}/pendrel"
  PENDREL_GTK_MODULE_BUILD_DIR="${CMAKE_BINARY_DIR}/src")
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/gtk ${CMAKE_CURRENT_BINARY_DIR}/gtk)
