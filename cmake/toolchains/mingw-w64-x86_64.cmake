# Cross build for 64-bit Windows with mingw-w64; the tests run under Wine.
set(PENDREL_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
