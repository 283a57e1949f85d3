// The preset stream: the current program alone, as a name record and its parameter records, program index 0.
#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/RecordWalker.h"
#include "effect/presets/RecordWriter.h"
#include "effect/presets/StreamSupport.h"
#include "platform/MutexScope.h"

std::vector<uint8_t> CPresetSystemEditor::writePresetStream()
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect || !effect->bank())
        return {};
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    const ProgramRecord* program = effect->program(effect->getCurrentProgramIndex());
    if (!program)
        return {};

    const int32_t parameters = countPresetParameters(*effect);
    StreamHeader header;
    header.uniqueID = effect->getUniqueID();
    header.format = kFormatPresetStream;
    header.recordCount = 1 + parameters;
    header.currentProgram = 0;
    header.payloadSize = kNameRecordSize + parameters * kParameterRecordSize;

    ByteWriter writer;
    writer.reserve(kStreamHeaderSize + static_cast<size_t>(header.payloadSize));
    writeStreamHeader(writer, header);
    writeNameRecord(writer, 0, *program);
    for (int32_t i = 0; i < kProgramParams; ++i) {
        if (!effect->isExcludedFromPreset(i))
            writeParameterRecord(writer, kRecordParameter, 0, i, program->values[i]);
    }
    return writer.take();
}

bool CPresetSystemEditor::readPresetStream(const uint8_t* records, size_t available, const StreamHeader& header,
                                           bool swap)
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
    // Checked before the program is reset, so a broken stream (a negative record count included) leaves it alone.
    RecordWalker walker(records, available, header, swap);
    if (!walker.valid())
        return false;

    const ProgramRecord saved = *program;
    bool renamed = false;
    effect->resetProgramToTemplate(current);

    StreamRecord record;
    while (walker.next(record)) {
        if (record.type == kRecordName) {
            char name[kProgramNameSize];
            if (!readNamePayload(record.payload, name))
                continue;
            storeProgramName(*program, name);
            renamed = true;
            programMenuRename(current, ProgramNameText(*program).c_str());
        } else if (record.type == kRecordParameter) {
            int32_t index = 0;
            float value = 0.0f;
            if (!readParameterPayload(record.payload, index, value))
                continue;
            if (index < 0 || index >= kProgramParams)
                continue;
            if (!isNormalised(value)) {
                *program = saved;
                if (renamed)
                    programMenuRename(current, ProgramNameText(*program).c_str());
                return false;
            }
            // A parameter no stream carries keeps the template's value: taken here, it would not come back with
            // the next save.
            if (effect->isExcludedOnLoad(index))
                continue;
            program->values[index] = value;
        }
    }

    const ProgramNameText name(*program);
    showProgramName(name.c_str());
    effect->renameCurrentProgram(name.c_str());
    effect->setCurrentProgram(current);
    return true;
}
