# What the Win32 platform files link; psapi and winmm are loaded by name when needed.
target_link_libraries(pendrel_runtime PUBLIC wininet comctl32 user32 gdi32)
# Every program gets the manifest that binds version 6 of the common controls.
target_sources(pendrel_runtime INTERFACE
  $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${CMAKE_CURRENT_LIST_DIR}/common_controls.rc>)
