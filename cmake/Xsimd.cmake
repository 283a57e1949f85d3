# xsimd, header-only, for the audio path's portable maths (effect/dsp/PortableMath.h). The cross compilers must not
# search the build machine's /usr/include, so they get a folder of their own that holds only xsimd.
find_path(QOR_XSIMD_INCLUDE_DIR xsimd/xsimd.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(qor_xsimd INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(QOR_XSIMD_ONLY_DIR ${CMAKE_BINARY_DIR}/xsimd-only)
  file(MAKE_DIRECTORY ${QOR_XSIMD_ONLY_DIR})
  file(CREATE_LINK ${QOR_XSIMD_INCLUDE_DIR}/xsimd ${QOR_XSIMD_ONLY_DIR}/xsimd SYMBOLIC)
  target_include_directories(qor_xsimd SYSTEM INTERFACE ${QOR_XSIMD_ONLY_DIR})
endif()
# The same bits on every build: no fused multiply-add, whatever the compiler's default.
target_compile_options(qor_xsimd INTERFACE -ffp-contract=off)
