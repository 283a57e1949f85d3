#include "effect/presets/StreamSupport.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"

ProgramNameText::ProgramNameText(const ProgramRecord& program)
{
    std::memcpy(text_, program.name, kProgramNameSize);
    text_[kProgramNameSize] = '\0';
}

void reportInvalidValue(const char* action, int32_t index, float value, int32_t program, const ProgramRecord& record)
{
    std::fprintf(stderr, "Invalid parameter %d value %f on %s of preset %d %s\n", index, static_cast<double>(value),
                 action, program, ProgramNameText(record).c_str());
}

BankBackup::BankBackup(CPresetSystemEffect& effect)
    : effect_(effect), copy_(new (std::nothrow) ProgramRecord[kBankPrograms])
{
    if (copy_ && effect_.bank())
        std::memcpy(copy_.get(), effect_.bank(), sizeof(ProgramRecord) * kBankPrograms);
    else
        copy_.reset();
}

void BankBackup::restore() const
{
    if (copy_ && effect_.bank())
        std::memcpy(effect_.bank(), copy_.get(), sizeof(ProgramRecord) * kBankPrograms);
}

void restoreProgramMenu(CPresetSystemEditor& editor, CPresetSystemEffect& effect, const bool (&renamed)[kBankPrograms])
{
    for (int32_t i = 0; i < kBankPrograms; ++i) {
        if (renamed[i] && effect.program(i))
            editor.programMenuRename(i, ProgramNameText(*effect.program(i)).c_str());
    }
    editor.programMenuSelect(effect.getCurrentProgramIndex());
}
