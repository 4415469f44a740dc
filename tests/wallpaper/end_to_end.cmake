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
  target_link_libraries(test_wallpaper PRIVATE PkgConfig::GIO PkgConfig::PIXBUF PkgConfig::X11)
  target_compile_definitions(test_wallpaper PRIVATE
    PENDREL_E2E_PROGRAM="$<TARGET_FILE:pendrel_e2e>")
endif()
