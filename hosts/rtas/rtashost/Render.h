// Running audio through one instance: offline for AudioSuite types (through the instance's connection records),
// in host buffers through the engine's render for real-time types. Main thread (rtashost has no audio thread of its
// own: it calls the render where the engine's audio thread would).
#pragma once

#include "hosts/rtas/rtashost/Instance.h"

#include <vector>

namespace rtashost {

using Channels = std::vector<std::vector<float>>;

// The whole input through an AudioSuite instance, buffer samples at a time; as many output frames as input frames.
Channels renderAudioSuite(Instance& instance, const Channels& input, int outputChannels, int buffer);
// The input through a real-time instance in host buffers of buffer samples, as the engine renders it.
Channels renderRealTime(Instance& instance, const Channels& input, int outputChannels, int buffer);

}  // namespace rtashost
