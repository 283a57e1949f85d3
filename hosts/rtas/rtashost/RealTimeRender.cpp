#include "hosts/rtas/rtashost/Render.h"

namespace rtashost {

Channels renderRealTime(Instance& instance, const Channels& input, int outputChannels, int buffer)
{
    throw HostError("real-time types cannot be rendered yet: the engine's render is not part of the host kit");
}

}  // namespace rtashost
