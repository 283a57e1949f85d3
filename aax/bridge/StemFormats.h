// The host's channel-format codes (stems): channel counts and speaker texts of the codes the host may give, and the
// code the plug-in declares for a channel count.
#pragma once

#include <cstdint>
#include <string>

// 0xFF9C0000: no stem (also what the plug-in assumes when the host cannot say).
constexpr uint32_t kStemNone = 0xFF9C0000u;

int channelCountOfStem(uint32_t stem);
std::string stemName(uint32_t stem);
uint32_t stemOfChannelCount(int channels);
