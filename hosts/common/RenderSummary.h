// The line every command-line host prints after a render, so that all three report alike.
#pragma once

#include <cstddef>
#include <string>

namespace hostcli {

// "rendered 44100 frames, 1 in, 2 out, at 44100 Hz (details) -> out.wav"; details name the host's own settings.
std::string renderSummary(size_t frames, int inputs, int outputs, double rate, const std::string& details,
                          const std::string& output);

}  // namespace hostcli
