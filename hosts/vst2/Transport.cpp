#include "hosts/vst2/Transport.h"

#include <cmath>

namespace vst2host {

EffectTimeInfo makeTimeInfo(double sampleRate, double samplePosition)
{
    EffectTimeInfo info{};
    info.samplePos = samplePosition;
    info.sampleRate = sampleRate;
    const double seconds = sampleRate > 0.0 ? samplePosition / sampleRate : 0.0;
    info.nanoSeconds = seconds * 1e9;
    info.ppqPos = seconds * kTransportTempo / 60.0;
    info.tempo = kTransportTempo;
    info.barStartPos = std::floor(info.ppqPos / kTransportBeatsPerBar) * kTransportBeatsPerBar;
    info.timeSigNumerator = kTransportBeatsPerBar;
    info.timeSigDenominator = kTransportBeatUnit;
    info.flags = kTimeInfoFlags;
    return info;
}

}  // namespace vst2host
