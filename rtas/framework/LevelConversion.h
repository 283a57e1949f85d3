// Levels between amplitude and decibels, with the floor the host's meters show as silence.
#pragma once

namespace rtas {

constexpr double kSilenceDecibels = -144.0;

// 0 gives -144; otherwise 20 log10(x), never below -144.
double AmpToDecibels(double amplitude);
double AmpToDecibels(const double* amplitude);
double DecibelsToAmp(double decibels);
double DecibelsToAmp(const double* decibels);

}  // namespace rtas
