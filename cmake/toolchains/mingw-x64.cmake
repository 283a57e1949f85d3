# Cross-build for x64 Windows.
set(QOR_MINGW_PROCESSOR x86_64)
set(QOR_WINE_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
