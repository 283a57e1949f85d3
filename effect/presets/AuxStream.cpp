// The auxiliary stream: the values of parameters 16 to 31, one type-2 record each for the indices presets carry.
#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/RecordWalker.h"
#include "effect/presets/RecordWriter.h"
#include "effect/presets/StreamSupport.h"
#include "platform/MutexScope.h"

constexpr int32_t kAuxParameterBase = 16;  // auxiliary index i is parameter 16 + i

std::vector<uint8_t> CPresetSystemEditor::writeAuxStream()
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect || !effect->bank())
        return {};
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());

    const int32_t parameters = countPresetParameters(*effect);
    StreamHeader header;
    header.uniqueID = effect->getUniqueID();
    header.format = kFormatAuxStream;
    header.recordCount = parameters;
    header.currentProgram = 0;
    header.payloadSize = parameters * kParameterRecordSize;

    ByteWriter writer;
    writer.reserve(kStreamHeaderSize + static_cast<size_t>(header.payloadSize));
    writeStreamHeader(writer, header);
    for (int32_t i = 0; i < kProgramParams; ++i) {
        if (!effect->isExcludedFromPreset(i))
            writeParameterRecord(writer, kRecordAuxParameter, 0, i, effect->getParameter(kAuxParameterBase + i));
    }
    return writer.take();
}

bool CPresetSystemEditor::readAuxStream(const uint8_t* records, size_t available, const StreamHeader& header,
                                        bool swap)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect)
        return false;
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    RecordWalker walker(records, available, header, swap);
    if (!walker.valid())
        return false;

    StreamRecord record;
    while (walker.next(record)) {
        if (record.type != kRecordAuxParameter)
            continue;
        int32_t index = 0;
        float value = 0.0f;
        if (!readParameterPayload(record.payload, index, value))
            continue;
        if (index < 0 || index >= kProgramParams || !isNormalised(value))
            continue;
        effect->setParameter(kAuxParameterBase + index, value);
    }
    return true;
}

bool CPresetSystemEditor::readOldAuxStream(const uint8_t* values, size_t available, bool swap, int32_t count)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect)
        return false;
    // Automation on another thread writes the same bank.
    const platform::MutexScope bankLock(effect->bankMutex());
    const int32_t n = count < kProgramParams ? count : kProgramParams;
    if (n <= 0)
        return true;
    ByteReader reader(values, available, swap);
    if (static_cast<size_t>(n) * 4 > reader.size())
        return false;

    for (int32_t i = 0; i < n; ++i) {
        float value = 0.0f;
        reader.readFloat(value);
        if (effect->isExcludedOnLoad(i))
            continue;
        if (value < 0.0f || value > 1.0f)
            return false;
        effect->setParameter(kAuxParameterBase + i, value);
    }
    return true;
}
