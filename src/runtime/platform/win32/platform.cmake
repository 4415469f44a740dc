# What the Win32 platform files link; psapi and winmm are loaded by name when needed.
target_link_libraries(pendrel_runtime PUBLIC wininet comctl32 user32 gdi32)
