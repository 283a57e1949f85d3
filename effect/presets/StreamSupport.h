// What the stream readers and writers share: program names as they go to the strip and the effect, the report of
// an out-of-range value, and the copy of the bank a reader restores when it cancels a load.
#pragma once

#include <cstdint>
#include <memory>

#include "effect/presets/ProgramName.h"
#include "effect/presets/ProgramRecord.h"

class CPresetSystemEffect;

// A program's name as a terminated text of its own. The strip and renameCurrentProgram get this copy, never the
// bank's bytes: renaming zeroes the program's name before it copies the new one.
class ProgramNameText
{
public:
    explicit ProgramNameText(const ProgramRecord& program);
    const char* c_str() const { return text_; }

private:
    char text_[kProgramNameSize + 1];
};

// "Invalid parameter <index> value <value> on <action> of preset <program> <name>" and a newline, on stderr.
void reportInvalidValue(const char* action, int32_t index, float value, int32_t program, const ProgramRecord& record);

// A copy of the whole bank, taken before a load and put back when the load is cancelled.
class BankBackup
{
public:
    explicit BankBackup(CPresetSystemEffect& effect);
    // False when no memory could be had for the copy; the load must not start then.
    bool ok() const { return copy_ != nullptr; }
    void restore() const;
    const ProgramRecord& program(int32_t index) const { return copy_[index]; }

private:
    CPresetSystemEffect& effect_;
    std::unique_ptr<ProgramRecord[]> copy_;
};

// True for a value a program may hold: 0 to 1. NaN is not.
inline bool isNormalised(float value) { return value >= 0.0f && value <= 1.0f; }

class CPresetSystemEditor;

// After a cancelled bank load: gives the menu entries renamed during the load their restored names back and selects
// the current program's entry again, so the strip shows the bank that is really there.
void restoreProgramMenu(CPresetSystemEditor& editor, CPresetSystemEffect& effect, const bool (&renamed)[kBankPrograms]);
