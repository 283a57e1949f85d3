// What the value displays under the compressor's knobs show: the number for a knob's normalised value, in the unit
// the panel prints (dB, ms, Hz, ratio, percent), and its text.
#pragma once

#include <cstdint>

namespace valuedisplay {

float threshold(float v);  // 48 v - 36 dB
float makeup(float v);     // 48 v - 12 dB
float attack(float v);     // 0.1 x 100^v ms
float release(float v);    // 10 x 100^v ms
float scHpf(float v);      // 10 x 100^v Hz
float ratio(float v);      // 16^v
// The ratio a freshly opened editor shows: 16^(r / 16), r being 16 v rounded to the nearest integer.
float openingRatio(float v);
float blend(float v);  // 100 v %

// Texts into a buffer of at least 32 bytes.
void levelText(float number, char* text);     // "%+.1f", "0.0" within 0.05 of zero
void oneDecimalText(float number, char* text);  // "%.1f"
void wholeText(float number, char* text);     // "%.0f"
void ratioText(float number, char* text);     // "%.1f:1"

}  // namespace valuedisplay
