#include "rtas/framework/StemFormats.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ResultCodes.h"

namespace rtas {

int32_t ChannelCountForStemFormat(int32_t format)
{
    static constexpr int32_t kChannels[] = {1, 2, 3, 4, 4, 5, 6, 6, 7, 7, 8};
    if (format < 0 || format > 10)
        throw CDAEError(kUnexpected);
    return kChannels[format];
}

}  // namespace rtas
