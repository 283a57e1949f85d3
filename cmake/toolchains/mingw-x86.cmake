# Cross-build for x86 Windows with Debian's mingw-w64. The -posix compilers carry std::mutex and std::thread;
# everything is linked statically so the DLL imports system DLLs only. Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QOR_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# SSE2 arithmetic, as on every other build: the x87 unit keeps intermediates at 80 bits and rounds them wherever the
# compiler spills, which would make the single-precision path round differently.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../wine-run;x86")
