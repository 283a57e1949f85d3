# Native 32-bit Linux build (x86, -m32) of the RTAS plug-in's code for its tests: the RTAS host's records keep
# pointers in 32-bit words, which only a 32-bit build can do. Needs g++-multilib and the i386 -dev packages of the
# libraries the effect links (build.sh installs them). SSE2 arithmetic as on every other build.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR i686)
# pkg-config answers for the i386 libraries only.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig")
# Tests run through cmake/run-x86 (directly, or emulated where the kernel has no 32-bit support).
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../run-x86")
