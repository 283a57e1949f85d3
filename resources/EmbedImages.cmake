# Script mode (cmake -P): writes OUTPUT, a C++ source holding every PNG of IMAGE_DIR as a byte array and the table
# that maps an image's number (its file name) to its bytes. Files with the same content share one array.
#   cmake -DIMAGE_DIR=<folder> -DOUTPUT=<file.cpp> -P EmbedImages.cmake
if(NOT IMAGE_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "IMAGE_DIR and OUTPUT are required")
endif()

file(GLOB pngs "${IMAGE_DIR}/*.png")
list(SORT pngs COMPARE NATURAL)

set(arrays "")
set(entries "")
set(seen_hashes "")
set(count 0)
string(REPEAT "[0-9a-f]" 40 line_of_hex)
foreach(png IN LISTS pngs)
  get_filename_component(name "${png}" NAME_WE)
  if(NOT name MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${png}: image files are named by their number")
  endif()
  file(SHA256 "${png}" hash)
  list(FIND seen_hashes "${hash}" shared)
  if(shared EQUAL -1)
    list(LENGTH seen_hashes shared)
    list(APPEND seen_hashes "${hash}")
    file(READ "${png}" hex HEX)
    # 20 bytes to a line, then 0x.. for every byte.
    string(REGEX REPLACE "(${line_of_hex})" "\\1\n" bytes "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    string(APPEND arrays "const uint8_t kImage${shared}[] = {\n${bytes}\n};\n")
  endif()
  string(APPEND entries "    {${name}, kImage${shared}, sizeof kImage${shared}},\n")
  math(EXPR count "${count} + 1")
endforeach()

set(source "// Made by resources/EmbedImages.cmake from resources/images at build time; do not edit.
#include \"effect/editor/EmbeddedImages.h\"

namespace {
${arrays}}  // namespace

const EmbeddedImage kEmbeddedImages[] = {
${entries}};
const size_t kEmbeddedImageCount = ${count};
")
file(WRITE "${OUTPUT}" "${source}")
