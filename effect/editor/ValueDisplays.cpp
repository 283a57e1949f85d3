#include "effect/editor/ValueDisplays.h"

#include <cmath>
#include <cstdio>

namespace valuedisplay {

namespace {
constexpr int kTextSize = 32;
// Below this a level reads plain "0.0" rather than "+0.0" or "-0.0".
constexpr float kLevelZeroBand = 0.05f;
constexpr float kRatioSteps = 16.0f;
}  // namespace

float threshold(float v) { return 48.0f * v - 36.0f; }
float makeup(float v) { return 48.0f * v - 12.0f; }
float attack(float v) { return 0.1f * std::pow(100.0f, v); }
float release(float v) { return 10.0f * std::pow(100.0f, v); }
float scHpf(float v) { return 10.0f * std::pow(100.0f, v); }
float ratio(float v) { return std::pow(16.0f, v); }
float openingRatio(float v)
{
    const float steps = static_cast<float>(static_cast<int32_t>(std::floor(kRatioSteps * v + 0.5f)));
    return std::pow(16.0f, steps / kRatioSteps);
}
float blend(float v) { return 100.0f * v; }

void levelText(float number, char* text)
{
    if (std::fabs(number) < kLevelZeroBand)
        std::snprintf(text, kTextSize, "0.0");
    else
        std::snprintf(text, kTextSize, "%+.1f", static_cast<double>(number));
}

void oneDecimalText(float number, char* text) { std::snprintf(text, kTextSize, "%.1f", static_cast<double>(number)); }

void wholeText(float number, char* text) { std::snprintf(text, kTextSize, "%.0f", static_cast<double>(number)); }

void ratioText(float number, char* text) { std::snprintf(text, kTextSize, "%.1f:1", static_cast<double>(number)); }

}  // namespace valuedisplay
