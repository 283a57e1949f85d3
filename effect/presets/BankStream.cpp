// The bank stream: all 48 programs, each a name record and one parameter record per parameter presets carry.
#include <cmath>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/RecordWalker.h"
#include "effect/presets/RecordWriter.h"
#include "effect/presets/StreamSupport.h"
#include "platform/MutexScope.h"

std::vector<uint8_t> CPresetSystemEditor::writeBankStream()
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect || !effect->bank())
        return {};
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());

    const int32_t parameters = countPresetParameters(*effect);
    StreamHeader header;
    header.uniqueID = effect->getUniqueID();
    header.format = kFormatBankStream;
    header.recordCount = kBankPrograms * (1 + parameters);
    header.currentProgram = effect->getCurrentProgramIndex();
    header.payloadSize = kBankPrograms * (kNameRecordSize + parameters * kParameterRecordSize);

    ByteWriter writer;
    writer.reserve(kStreamHeaderSize + static_cast<size_t>(header.payloadSize));
    writeStreamHeader(writer, header);
    for (int32_t p = 0; p < kBankPrograms; ++p) {
        const ProgramRecord& program = *effect->program(p);
        writeNameRecord(writer, p, program);
        for (int32_t i = 0; i < kProgramParams; ++i) {
            if (effect->isExcludedFromPreset(i))
                continue;
            // A saved bank is read back clamped anyway; clamping here keeps the file loadable elsewhere. NaN is
            // left as it is.
            float value = program.values[i];
            if (value < 0.0f) {
                reportInvalidValue("save", i, value, p, program);
                value = 0.0f;
            } else if (value > 1.0f) {
                reportInvalidValue("save", i, value, p, program);
                value = 1.0f;
            }
            writeParameterRecord(writer, kRecordParameter, p, i, value);
        }
    }
    return writer.take();
}

bool CPresetSystemEditor::readBankStream(const uint8_t* records, size_t available, const StreamHeader& header,
                                         bool swap)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect || !effect->bank())
        return false;
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    // A stream whose sizes do not add up is refused before anything changes.
    RecordWalker walker(records, available, header, swap);
    if (!walker.valid())
        return false;

    const int32_t current =
        header.currentProgram >= 0 && header.currentProgram < kBankPrograms ? header.currentProgram : 0;
    const BankBackup backup(*effect);
    if (!backup.ok())
        return false;

    bool renamed[kBankPrograms] = {};
    StreamRecord record;
    while (walker.next(record)) {
        ProgramRecord* program = effect->program(record.program);
        if (!program)
            continue;
        if (record.type == kRecordName) {
            char name[kProgramNameSize];
            if (!readNamePayload(record.payload, name))
                continue;
            effect->resetProgramToTemplate(record.program);
            storeProgramName(*program, name);
            renamed[record.program] = true;
            programMenuSelect(record.program);
            programMenuRename(record.program, ProgramNameText(*program).c_str());
        } else if (record.type == kRecordParameter) {
            int32_t index = 0;
            float value = 0.0f;
            if (!readParameterPayload(record.payload, index, value))
                continue;
            if (value < 0.0f) {
                reportInvalidValue("load", index, value, record.program, *program);
                value = 0.0f;
            } else if (value > 1.0f) {
                reportInvalidValue("load", index, value, record.program, *program);
                value = 1.0f;
            }
            if (index < 0 || index >= kProgramParams)
                continue;
            if (std::isnan(value)) {
                backup.restore();
                restoreProgramMenu(*this, *effect, renamed);
                return false;
            }
            // A parameter no stream carries keeps the template's value: taken here, it would not come back with
            // the next save.
            if (effect->isExcludedOnLoad(index))
                continue;
            program->values[index] = value;
        }
    }

    programMenuSelect(current);
    showProgramName(ProgramNameText(*effect->program(current)).c_str());
    effect->setCurrentProgram(current);
    return true;
}
