// The saved state of a loaded effect as both bridges keep it in their host's project: the effect's own chunk
// carried byte for byte, or (for an effect that keeps no chunk) a bank of its programs, then an 8-byte big-endian
// trailer that says which form it is. The AAX and the RTAS bridge write and read it alike, so it lives here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What the blob needs of a loaded effect. Each bridge answers through its own hosted-effect object (the record's
// dispatcher and parameter entries, plus the bridge's own waits around bank work).
class EffectStateTarget
{
public:
    virtual ~EffectStateTarget() = default;

    virtual int32_t effectFlags() const = 0;
    virtual int32_t parameterCount() const = 0;
    virtual int32_t programCount() const = 0;
    virtual intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) = 0;
    virtual float getParameter(int32_t index) = 0;
    // The bridge's own route to the effect's set-parameter entry (the RTAS bridge skips unchanged values there).
    virtual void setParameter(int32_t index, float value) = 0;

    // Around the program-by-program walk of the bank form: a bridge whose audio thread must not meet a bank in
    // the middle of being rewritten waits for its block to end here and holds the audio path off until the end.
    virtual void beginBankWork() {}
    virtual void endBankWork() {}
};

namespace stateblob {

// Trailer words (big-endian in the blob).
constexpr uint32_t kChunkMarker = 0x3000;
constexpr uint32_t kBankMarker = 0x2001;
constexpr uint32_t kOldBankMarker = 0x2000;  // accepted when reading
constexpr size_t kTrailerSize = 8;
constexpr size_t kMinimumReadSize = 12;
constexpr size_t kProgramNameField = 64;

// The blob of target's current state; target null gives the 8-byte blob of a bridge without an effect.
std::vector<uint8_t> write(EffectStateTarget* target);

enum class ReadForm
{
    Ignored,  // too short, no effect, or an unknown marker: nothing was changed
    Chunk,    // handed to the effect as its chunk
    Bank,     // applied program by program
};

struct ReadResult
{
    ReadForm form = ReadForm::Ignored;
    // The program the bank form stored as current (ReadForm::Bank only), and whether it names one of the effect's
    // programs. The caller selects it in its own way once its restoring state has ended.
    int32_t currentProgram = 0;
    bool currentProgramInRange = false;
};

// Applies a blob of size bytes to target. Every read is bounded by size, whatever counts the blob announces.
ReadResult read(EffectStateTarget* target, const uint8_t* data, size_t size);

}  // namespace stateblob
