// The two older layouts, read but never written: blocks of a 24-byte name and n floats, without records.
#include <algorithm>
#include <cmath>

#include "effect/editor/CPresetSystemEditor.h"
#include "common/ByteReader.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/StreamSupport.h"
#include "platform/MutexScope.h"

namespace {

// Bytes of one block: the name and n floats; a count of 0 or less is a name alone. 64-bit so a huge count cannot
// wrap the size computed from it.
uint64_t oldBlockSize(int32_t valueCount)
{
    return kProgramNameSize + 4 * static_cast<uint64_t>(std::max(valueCount, 0));
}

int32_t valuesRead(int32_t valueCount) { return std::clamp(valueCount, 0, kProgramParams); }

}  // namespace

bool CPresetSystemEditor::readOldBank(const uint8_t* data, size_t available, bool swap, int32_t programCount,
                                      int32_t valuesPerProgram)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect || !effect->bank())
        return false;
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    const int32_t programs = std::clamp(programCount, 0, kBankPrograms);
    const uint64_t blockSize = oldBlockSize(valuesPerProgram);
    ByteReader reader(data, available, swap);
    // Every block must be there before the first program is reset.
    if (programs * blockSize > reader.size())
        return false;

    const BankBackup backup(*effect);
    if (!backup.ok())
        return false;

    const int32_t values = valuesRead(valuesPerProgram);
    bool renamed[kBankPrograms] = {};
    for (int32_t p = 0; p < programs; ++p) {
        ProgramRecord& program = *effect->program(p);
        reader.seek(static_cast<size_t>(p * blockSize));
        char name[kProgramNameSize];
        reader.readBytes(name, kProgramNameSize);
        effect->resetProgramToTemplate(p);
        storeProgramName(program, name);
        renamed[p] = true;
        programMenuRename(p, ProgramNameText(program).c_str());
        for (int32_t i = 0; i < values; ++i) {
            float value = 0.0f;
            reader.readFloat(value);
            if (effect->isExcludedOnLoad(i))
                continue;
            if (value < 0.0f || value > 1.0f) {
                backup.restore();
                restoreProgramMenu(*this, *effect, renamed);
                return false;
            }
            // NaN is kept as 0: the bank stream refuses NaN, so a stored NaN would make every later save unloadable.
            program.values[i] = std::isnan(value) ? 0.0f : value;
        }
    }

    programMenuSelect(0);
    showProgramName(ProgramNameText(*effect->program(0)).c_str());
    effect->setCurrentProgram(0);
    return true;
}

bool CPresetSystemEditor::readOldPreset(const uint8_t* data, size_t available, bool swap, int32_t valueCount)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect)
        return false;
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    const int32_t current = effect->getCurrentProgramIndex();
    ProgramRecord* program = effect->program(current);
    if (!program)
        return false;
    ByteReader reader(data, available, swap);
    if (oldBlockSize(valueCount) > reader.size())
        return false;

    const ProgramRecord saved = *program;
    effect->resetProgramToTemplate(current);
    char name[kProgramNameSize];
    reader.readBytes(name, kProgramNameSize);
    storeProgramName(*program, name);
    const int32_t values = valuesRead(valueCount);
    for (int32_t i = 0; i < values; ++i) {
        float value = 0.0f;
        reader.readFloat(value);
        if (effect->isExcludedOnLoad(i))
            continue;
        if (value < 0.0f || value > 1.0f) {
            *program = saved;
            return false;
        }
        program->values[i] = std::isnan(value) ? 0.0f : value;
    }

    const ProgramNameText shown(*program);
    showProgramName(shown.c_str());
    effect->renameCurrentProgram(shown.c_str());
    effect->setCurrentProgram(current);
    return true;
}
