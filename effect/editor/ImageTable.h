// The editor's images by number: the bytes of a PNG file compiled into the plug-in.
#pragma once

#include <cstddef>
#include <cstdint>

// The PNG bytes of image `number` and their count in `length`; null with length 0 for a number not in the table.
const uint8_t* findImage(int32_t number, size_t& length);
