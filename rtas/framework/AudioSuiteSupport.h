// The offline (AudioSuite) side of an instance: the bookkeeping of the host's connections to its inputs and
// outputs, and the one audio format an AudioSuite instance accepts. Main thread, under the group's context lock.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rtas {

constexpr int32_t kInputAlreadyConnected = -7100;
constexpr int32_t kOutputAlreadyConnected = -7101;
constexpr int32_t kBadAudioSuiteFormat = -7104;
constexpr int32_t kConnectionOutOfRange = -7106;
constexpr int32_t kNotConnected = -7107;

// A host connection record: the buffer and its sample count, and two position words shared by all connections of
// one render.
struct SConnectionRecord
{
    int32_t hostWords[4];
    float* buffer;
    int32_t sampleCount;
    int32_t position[2];
};
#if defined(__i386__)
static_assert(offsetof(SConnectionRecord, buffer) == 16, "buffer pointer at byte 16");
static_assert(offsetof(SConnectionRecord, sampleCount) == 20, "sample count at byte 20");
static_assert(offsetof(SConnectionRecord, position) == 24, "position words at bytes 24 and 28");
#endif

// A table of connection slots, slot i (1-based) empty (0 or null) when free: connection words, or the connection
// records an AudioSuite instance keeps (the same width on the plug-in's platform). Each answers a result code.
template <typename Slot>
int32_t IsOutputFree(int32_t index, const Slot* slots, int32_t capacity, uint8_t* free);
template <typename Slot>
int32_t IsConnected(int32_t index, const Slot* slots, int32_t capacity, uint8_t* connected);
template <typename Slot>
int32_t ConnectInput(int32_t index, Slot value, Slot* slots, int32_t capacity);
template <typename Slot>
int32_t ConnectOutput(int32_t index, Slot value, Slot* slots, int32_t capacity);
template <typename Slot>
int32_t Disconnect(int32_t index, Slot* slots, int32_t capacity);
template <typename Slot>
void ClearConnectionTables(Slot* inputs, Slot* outputs, int32_t inputCount, int32_t outputCount);

// Copies the shared record's two position words into each of the first count records that exist; answers 0.
int32_t PropagateConnectionInfo(const SConnectionRecord* shared, SConnectionRecord* const* records, int32_t count);

// The AudioSuite format record; the word at 0 is the caller's.
struct SAudioSuiteFormat
{
    int16_t callerWord;
    int16_t a;
    int16_t b;
    int16_t c;
    float sampleRate;
};
static_assert(sizeof(SAudioSuiteFormat) == 12, "the format record is 12 bytes");
static_assert(offsetof(SAudioSuiteFormat, a) == 2 && offsetof(SAudioSuiteFormat, c) == 6, "three words at 2, 4, 6");
static_assert(offsetof(SAudioSuiteFormat, sampleRate) == 8, "the rate at byte 8");

// (1, 2, 1, 44100 Hz); answers 0.
int32_t GetDefaultAudioSuiteFormat(SAudioSuiteFormat* format);
// 0 for exactly (1, 2, 1) with a rate that is not 0; -7104 otherwise.
int32_t CheckAudioSuiteFormat(const SAudioSuiteFormat* format);

}  // namespace rtas
