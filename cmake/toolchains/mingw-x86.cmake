# Cross-build for x86 Windows.
set(QOR_MINGW_PROCESSOR i686)
set(QOR_WINE_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 arithmetic, as on every other build: the x87 unit keeps intermediates at 80 bits and rounds them wherever the
# compiler spills, which would make the single-precision path round differently.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
