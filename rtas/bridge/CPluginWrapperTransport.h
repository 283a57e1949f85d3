// The host's transport as a wrapper block may receive it.
#pragma once

#include <cstdint>

struct CPluginWrapperTransport
{
    double tempo = 120.0;
    // Position in ticks of 960000 to the quarter note.
    int64_t positionTicks = 0;
    bool playing = false;
};

constexpr double kTransportTicksPerQuarterNote = 960000.0;
