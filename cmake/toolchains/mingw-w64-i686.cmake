# Cross build for 32-bit Windows with mingw-w64; the tests run under Wine.
set(PENDREL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# Doubles in SSE registers, as on x86_64: x87's 80-bit intermediates round differently,
# and the two Windows builds must compute the same results.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
