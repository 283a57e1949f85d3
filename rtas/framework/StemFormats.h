// The host's stem codes (channel formats) and their channel counts.
#pragma once

#include <cstdint>

namespace rtas {

constexpr int32_t kStemMono = 0;
constexpr int32_t kStemStereo = 1;

// 0 -> 1, 1 -> 2, 2 -> 3, 3 and 4 -> 4, 5 -> 5, 6 and 7 -> 6, 8 and 9 -> 7, 10 -> 8; any other code throws
// CDAEError -7401 (an unknown format is a failure, not a default).
int32_t ChannelCountForStemFormat(int32_t format);

}  // namespace rtas
