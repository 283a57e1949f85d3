// The host's transport as an effect sees it through the time request (host opcode 7).
#pragma once

#include "effect/vst2/Records.h"

#include <cstdint>

namespace vst2host {

// Flags set in EffectTimeInfo::flags: bar position (ppq) and tempo are valid.
constexpr int32_t kTimeInfoFlags = 0x600;
constexpr double kTransportTempo = 120.0;
constexpr int32_t kTransportBeatsPerBar = 4;
constexpr int32_t kTransportBeatUnit = 4;

// A steady 120 bpm, 4/4 transport at samplePosition.
EffectTimeInfo makeTimeInfo(double sampleRate, double samplePosition);

}  // namespace vst2host
