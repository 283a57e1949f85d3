#include "rtas/framework/LevelConversion.h"

#include <cmath>

namespace rtas {

double AmpToDecibels(double amplitude)
{
    if (amplitude == 0.0)
        return kSilenceDecibels;
    const double decibels = 20.0 * std::log10(amplitude);
    // Negative amplitudes give NaN, which the floor catches too.
    return decibels >= kSilenceDecibels ? decibels : kSilenceDecibels;
}

double AmpToDecibels(const double* amplitude) { return AmpToDecibels(*amplitude); }
double DecibelsToAmp(double decibels) { return std::pow(10.0, decibels / 20.0); }
double DecibelsToAmp(const double* decibels) { return DecibelsToAmp(*decibels); }

}  // namespace rtas
