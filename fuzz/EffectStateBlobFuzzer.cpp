// The bridges' saved state as a host hands it back: read into the compressor (chunk form) and into an effect that
// keeps no chunk (bank form), whose state must then survive a save and a second load unchanged. A state the
// compressor takes must come back byte for byte from a fresh instance, and one it refuses must leave its bank alone.
#include <cstring>
#include <string>
#include <vector>

#include "common/EffectStateBlob.h"
#include "effect/vst2/Opcodes.h"
#include "fuzz/FuzzSupport.h"

namespace {

class RecordTarget : public EffectStateTarget
{
public:
    explicit RecordTarget(EffectRecord* record) : record_(record) {}
    int32_t effectFlags() const override { return record_->flags; }
    int32_t parameterCount() const override { return record_->numParams; }
    int32_t programCount() const override { return record_->numPrograms; }
    intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override
    {
        const intptr_t result = record_->dispatcher(record_, opcode, index, value, ptr, opt);
        if (opcode == effSetChunk)
            chunkRefused = result != 0;
        return result;
    }
    float getParameter(int32_t index) override { return record_->getParameter(record_, index); }
    void setParameter(int32_t index, float value) override { record_->setParameter(record_, index, value); }

    bool chunkRefused = false;

private:
    EffectRecord* record_;
};

// 16 parameters, 48 programs, names kept whole: what it was given is what it gives back.
class BankEffect : public EffectStateTarget
{
public:
    int32_t effectFlags() const override { return 0; }
    int32_t parameterCount() const override { return 16; }
    int32_t programCount() const override { return 48; }
    intptr_t dispatch(int32_t opcode, int32_t, intptr_t value, void* ptr, float) override
    {
        if (opcode == effSetProgram && value >= 0 && value < 48)
            current_ = static_cast<int>(value);
        else if (opcode == effGetProgram)
            return current_;
        else if (opcode == effSetProgramName)
            names_[current_] = static_cast<const char*>(ptr);
        else if (opcode == effGetProgramName)
            std::memcpy(ptr, names_[current_].c_str(), names_[current_].size() + 1);
        return 0;
    }
    float getParameter(int32_t index) override { return values_[current_][index]; }
    void setParameter(int32_t index, float value) override { values_[current_][index] = value; }

private:
    int current_ = 0;
    std::string names_[48];
    float values_[48][16] = {};
};

// As a bridge restores: read, then select the stored current program when it names one.
bool restore(BankEffect& target, const uint8_t* data, size_t size)
{
    const stateblob::ReadResult result = stateblob::read(&target, data, size);
    if (result.currentProgramInRange)
        target.dispatch(effSetProgram, 0, result.currentProgram, nullptr, 0.0f);
    return result.form == stateblob::ReadForm::Bank;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    fuzz.reset();
    fuzzing::ExactCopy blob(data, size);
    const std::vector<uint8_t> before = fuzz.bankBytes();
    RecordTarget compressor(fuzz.effect().getRecord());
    const stateblob::ReadResult taken = stateblob::read(&compressor, blob.data(), blob.size());
    if (taken.form == stateblob::ReadForm::Ignored || compressor.chunkRefused)
        fuzz.requireUnchanged(before, "a bridge state blob");
    else
        // The bank form reaches the compressor through the host's set-parameter, like automation.
        fuzz.requireRoundTrip(fuzzing::SavedForm::Chunk, "a bridge state blob",
                              taken.form == stateblob::ReadForm::Bank ? fuzzing::UnsavedParameters::SetByHost
                                                                      : fuzzing::UnsavedParameters::Compared);

    BankEffect first;
    if (!restore(first, blob.data(), blob.size()))
        return 0;
    const std::vector<uint8_t> saved = stateblob::write(&first);
    BankEffect second;
    restore(second, saved.data(), saved.size());
    if (stateblob::write(&second) != saved)
        __builtin_trap();
    return 0;
}
