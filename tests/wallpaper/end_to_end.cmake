# The end-to-end tests run the real program against a loopback server whose port is only
# known at run time. pendrel_e2e is built from the very same sources, libraries and
# settings as pendrel, except that its server base address is read from the variable
# PENDREL_E2E_SERVER_BASE; the installed program never reads such a variable.

# A copy of target `from` named `to` (sources, include directories, definitions, libraries,
# with pendrel_wallpaper swapped for its end-to-end twin).
function(pendrel_e2e_copy from to kind)
  get_target_property(dir ${from} SOURCE_DIR)
  get_target_property(sources ${from} SOURCES)
  list(TRANSFORM sources PREPEND "${dir}/" REGEX "^[^/]")
  if(kind STREQUAL "library")
    add_library(${to} STATIC ${sources})
  else()
    add_executable(${to} ${sources})
  endif()
  foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS LINK_LIBRARIES
                   INTERFACE_INCLUDE_DIRECTORIES INTERFACE_COMPILE_DEFINITIONS
                   INTERFACE_LINK_LIBRARIES)
    get_target_property(values ${from} ${property})
    if(values)
      list(TRANSFORM values REPLACE "^pendrel_wallpaper$" "pendrel_wallpaper_e2e")
      set_property(TARGET ${to} PROPERTY ${property} ${values})
    endif()
  endforeach()
endfunction()

pendrel_e2e_copy(pendrel_wallpaper pendrel_wallpaper_e2e library)
target_compile_definitions(pendrel_wallpaper_e2e PRIVATE
  PENDREL_SERVER_BASE_VARIABLE="PENDREL_E2E_SERVER_BASE")
pendrel_e2e_copy(pendrel pendrel_e2e executable)
# Sources pendrel generates at build time are made by pendrel's own rules.
add_dependencies(pendrel_e2e pendrel)

if(TARGET test_wallpaper)
  add_dependencies(test_wallpaper pendrel_e2e)
  target_link_libraries(test_wallpaper PRIVATE PkgConfig::GIO PkgConfig::PIXBUF PkgConfig::X11
                        PkgConfig::JPEG PkgConfig::PIXMAN)
  target_compile_definitions(test_wallpaper PRIVATE
    PENDREL_E2E_PROGRAM="$<TARGET_FILE:pendrel_e2e>")
endif()

# Tests with "Slow" in their name take minutes (real transfer deadlines); they carry the
# label "slow", so that `ctest -LE slow` is a quick run. The discovered tests are only known
# at test time, so the label is given by a file CTest reads after the discovered list.
if(TARGET test_wallpaper)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/test_wallpaper_slow_labels.cmake [[
foreach(test IN LISTS test_wallpaper_TESTS)
  if(test MATCHES "Slow")
    set_tests_properties("${test}" PROPERTIES LABELS slow)
  endif()
endforeach()
]])
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
               ${CMAKE_CURRENT_BINARY_DIR}/test_wallpaper_slow_labels.cmake)
endif()
