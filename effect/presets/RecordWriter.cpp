#include "effect/presets/RecordWriter.h"

#include "effect/presets/CPresetSystemEffect.h"

int32_t countPresetParameters(CPresetSystemEffect& effect)
{
    int32_t count = 0;
    for (int32_t i = 0; i < kProgramParams; ++i) {
        if (!effect.isExcludedFromPreset(i))
            ++count;
    }
    return count;
}

void writeNameRecord(ByteWriter& writer, int32_t program, const ProgramRecord& record)
{
    writer.writeInt32(kRecordName);
    writer.writeInt32(kNamePayloadSize);
    writer.writeInt32(program);
    writer.writeBytes(record.name, kProgramNameSize);
    writer.writeZeros(kNamePayloadSize - kProgramNameSize);
}

void writeParameterRecord(ByteWriter& writer, int32_t type, int32_t program, int32_t index, float value)
{
    writer.writeInt32(type);
    writer.writeInt32(kParameterPayloadSize);
    writer.writeInt32(program);
    writer.writeInt32(index);
    writer.writeInt32(0);
    writer.writeInt32(0);
    writer.writeFloat(value);
    writer.writeInt32(0);
}
