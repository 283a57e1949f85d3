# The C libraries of the Windows builds as imported targets: qor::zlib (Debian's libz-mingw-w64-dev) and qor::png,
# qor::jpeg and qor::sndfile, built statically for mingw from Debian's source packages by
# thirdparty/build-windows-libs.sh (build.sh runs it) into one prefix per architecture.
if(TARGET qor::zlib)
  return()
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QOR_THIRDPARTY_ARCH x64)
else()
  set(QOR_THIRDPARTY_ARCH x86)
endif()
set(QOR_THIRDPARTY_PREFIX "${PROJECT_SOURCE_DIR}/build/thirdparty/win-${QOR_THIRDPARTY_ARCH}" CACHE PATH
  "Prefix of the mingw builds of libpng, libjpeg-turbo and libsndfile (include/, lib/)")

set(QOR_MINGW_ZLIB /usr/${QOR_MINGW_TRIPLE}/lib/libz.a)
foreach(file ${QOR_MINGW_ZLIB} ${QOR_THIRDPARTY_PREFIX}/lib/libpng16.a ${QOR_THIRDPARTY_PREFIX}/lib/libjpeg.a
    ${QOR_THIRDPARTY_PREFIX}/lib/libsndfile.a ${QOR_THIRDPARTY_PREFIX}/include/jpegint.h)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing: run ./build.sh (or thirdparty/build-windows-libs.sh "
      "${QOR_THIRDPARTY_ARCH}), which builds the Windows libraries into ${QOR_THIRDPARTY_PREFIX}")
  endif()
endforeach()

# zlib.h is in the cross compiler's own include folder.
add_library(qor::zlib STATIC IMPORTED)
set_target_properties(qor::zlib PROPERTIES IMPORTED_LOCATION ${QOR_MINGW_ZLIB})

foreach(lib png jpeg sndfile)
  add_library(qor::${lib} STATIC IMPORTED)
  set_target_properties(qor::${lib} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${QOR_THIRDPARTY_PREFIX}/include)
endforeach()
set_target_properties(qor::png PROPERTIES
  IMPORTED_LOCATION ${QOR_THIRDPARTY_PREFIX}/lib/libpng16.a
  INTERFACE_LINK_LIBRARIES qor::zlib)
set_target_properties(qor::jpeg PROPERTIES IMPORTED_LOCATION ${QOR_THIRDPARTY_PREFIX}/lib/libjpeg.a)
set_target_properties(qor::sndfile PROPERTIES IMPORTED_LOCATION ${QOR_THIRDPARTY_PREFIX}/lib/libsndfile.a)
