// Names, units and display texts of the compressor's 16 parameters.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t kNumParameters = 16;
// Parameter index the editor reads for the gain-reduction meter; it lies beyond the 16 parameters.
constexpr int32_t kMeterParameter = 17;

enum ParameterIndex : int32_t
{
    kPower = 0,
    kAttack = 1,
    kRelease = 2,
    kUnused3 = 3,
    kScHpfOn = 4,
    kScHpf = 5,
    kRatio = 6,
    kUnused7 = 7,
    kThreshold = 8,
    kChannel = 9,
    kMakeup = 10,
    kLink = 11,
    kBlendOn = 12,
    kBlend = 13,
    kUnused14 = 14,
    kUnused15 = 15,
};

// The sizes of the host's buffers the effect writes a parameter's texts into, terminator included: units and
// display texts hold eight characters, a name one more (the longest, "Threshold").
constexpr size_t kParameterTextSize = 9;
constexpr size_t kParameterNameSize = 10;

// "" for indices outside 0..15.
const char* parameterName(int32_t index);

// Writes x rounded to `decimals` decimals the way the display does it: one unit of the last decimal is added when
// the fraction beyond it is at least 0.49999 (subtracted at -0.49999), then the decimals are cut. At most 8 digits.
void formatNumber(double x, int32_t decimals, char* text, size_t size);

// Switch state of a normalised value: int(v + 0.5), and the channel choice int(2v + 0.5).
inline int32_t switchState(double v) { return static_cast<int32_t>(v + 0.5); }
inline int32_t channelState(double v) { return static_cast<int32_t>(2.0 * v + 0.5); }

// Display text of parameter `index` at normalised value v (clamped by the caller); "" above 15.
void parameterDisplay(int32_t index, float v, char* text, size_t size);

// Derived display values shared by the display texts and the effect's stored state.
double attackDisplayValue(float v);
double releaseDisplayValue(float v);
double filterDisplayValue(float v);
