#include "effect/ParameterText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const char* const kNames[kNumParameters] = {"Power", "Attack",    "Release", "-",      "ScHpfSt", "ScHpf",
                                            "Ratio", "-",         "Threshold", "Channel", "Makeup", "Link",
                                            "BlndSt", "Blend",    "-",       "-"};

void copyText(const char* source, char* text, size_t size)
{
    if (size == 0)
        return;
    std::snprintf(text, size, "%s", source);
}

}  // namespace

const char* parameterName(int32_t index)
{
    return index >= 0 && index < kNumParameters ? kNames[index] : "";
}

void formatNumber(double x, int32_t decimals, char* text, size_t size)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    const double fraction = scaled - std::trunc(scaled);
    if (fraction >= 0.49999)
        x += 1.0 / scale;
    else if (fraction <= -0.49999)
        x -= 1.0 / scale;

    constexpr int kMaxDigits = 8;
    const bool negative = x < 0.0;
    const double magnitude = std::fabs(x);
    // Integer digits first; decimals only as far as the eight-digit budget allows.
    const double integerPart = std::trunc(magnitude);
    char integerDigits[32];
    std::snprintf(integerDigits, sizeof integerDigits, "%.0f", integerPart > 1e9 ? 1e9 : integerPart);
    int32_t integerCount = static_cast<int32_t>(std::strlen(integerDigits));
    int32_t keptDecimals = decimals;
    if (integerCount + keptDecimals > kMaxDigits)
        keptDecimals = integerCount >= kMaxDigits ? 0 : kMaxDigits - integerCount;

    char out[64];
    size_t pos = 0;
    if (negative)
        out[pos++] = '-';
    std::memcpy(out + pos, integerDigits, static_cast<size_t>(integerCount));
    pos += static_cast<size_t>(integerCount);
    if (decimals > 0) {
        out[pos++] = '.';
        const double keptScale = std::pow(10.0, keptDecimals);
        uint64_t decimalDigits = static_cast<uint64_t>(std::trunc((magnitude - integerPart) * keptScale));
        char digits[16];
        std::snprintf(digits, sizeof digits, "%0*llu", static_cast<int>(keptDecimals),
                      static_cast<unsigned long long>(decimalDigits));
        for (int32_t i = 0; i < keptDecimals; ++i)
            out[pos++] = digits[i];
        for (int32_t i = keptDecimals; i < decimals; ++i)
            out[pos++] = '0';
    }
    out[pos] = 0;
    copyText(out, text, size);
}

double attackDisplayValue(float v) { return std::pow(100.0, static_cast<double>(v)) * 0.1; }
double releaseDisplayValue(float v) { return std::pow(100.0, static_cast<double>(v)) * 10.0; }
double filterDisplayValue(float v) { return std::pow(100.0, static_cast<double>(v)) * 10.0; }

void parameterDisplay(int32_t index, float v, char* text, size_t size)
{
    switch (index) {
    case kPower:
        copyText(switchState(v) != 0 ? "In" : "Out", text, size);
        return;
    case kAttack:
        formatNumber(attackDisplayValue(v), 1, text, size);
        return;
    case kRelease:
        formatNumber(releaseDisplayValue(v), 0, text, size);
        return;
    case kScHpfOn:
    case kBlendOn:
        copyText(switchState(v) != 0 ? "On" : "Off", text, size);
        return;
    case kScHpf:
        formatNumber(filterDisplayValue(v), 0, text, size);
        return;
    case kRatio: {
        char number[32];
        formatNumber(std::pow(16.0, static_cast<double>(v)), 1, number, sizeof number);
        std::snprintf(text, size, "%s:1", number);
        return;
    }
    case kThreshold:
        formatNumber(v * 48.0f - 36.0f, 1, text, size);
        return;
    case kChannel: {
        const int32_t c = channelState(v);
        copyText(c == 0 ? "L" : c == 2 ? "R" : "OO", text, size);
        return;
    }
    case kMakeup:
        formatNumber(v * 48.0f - 12.0f, 1, text, size);
        return;
    case kLink:
        copyText(switchState(v) != 0 ? "Linked" : "Unlnkd", text, size);
        return;
    case kBlend:
        formatNumber(v * 100.0f, 1, text, size);
        return;
    case kUnused3:
    case kUnused7:
    case kUnused14:
    case kUnused15:
        copyText(" ", text, size);
        return;
    default:
        copyText("", text, size);
        return;
    }
}
