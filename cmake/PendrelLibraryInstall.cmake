# The family's library as other programs use it: the static libraries, their public
# headers below include/pendrel/ (so "runtime/runtime.h" is included as in the tree) and
# the CMake package Pendrel with the targets Pendrel::runtime, ::stdproc and ::docgen.
include(CMakePackageConfigHelpers)
include(${CMAKE_CURRENT_LIST_DIR}/PendrelPublicHeaders.cmake)

set(pendrel_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/pendrel)
set(pendrel_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Pendrel)

foreach(module runtime stdproc docgen)
  set_target_properties(pendrel_${module} PROPERTIES EXPORT_NAME ${module})
endforeach()
install(TARGETS pendrel_runtime pendrel_stdproc pendrel_docgen EXPORT PendrelTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  INCLUDES DESTINATION ${pendrel_include_dir})

pendrel_public_headers(pendrel_headers ${PROJECT_SOURCE_DIR}/src
  runtime/runtime.h stdproc/stdproc.h docgen/docgen.h)
foreach(header IN LISTS pendrel_headers)
  get_filename_component(header_dir ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/src/${header}
    DESTINATION ${pendrel_include_dir}/${header_dir} COMPONENT development)
endforeach()

install(EXPORT PendrelTargets NAMESPACE Pendrel:: DESTINATION ${pendrel_cmake_dir}
  COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PendrelConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PendrelConfig.cmake INSTALL_DESTINATION ${pendrel_cmake_dir})
# One major version keeps the routines' behaviour; a new one may change it.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PendrelConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PendrelConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/PendrelConfigVersion.cmake
  DESTINATION ${pendrel_cmake_dir} COMPONENT development)
