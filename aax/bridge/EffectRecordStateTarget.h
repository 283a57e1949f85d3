// The hosted effect as the bridge state blob sees it: straight through the effect's record (the blob's writes go
// to the effect's set-parameter entry, never held back by the processor's suppression of echoes). It keeps the
// effect's answer to the chunk it was handed, which tells an accepted chunk from a refused one.
#pragma once

#include "common/EffectStateBlob.h"
#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Opcodes.h"

class EffectRecordStateTarget final : public EffectStateTarget
{
public:
    explicit EffectRecordStateTarget(EffectRecord& effect) : effect_(effect) {}

    int32_t effectFlags() const override { return effect_.flags; }
    int32_t parameterCount() const override { return effect_.numParams; }
    int32_t programCount() const override { return effect_.numPrograms; }
    intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override
    {
        const intptr_t answer = effect_.dispatcher(&effect_, opcode, index, value, ptr, opt);
        if (opcode == effSetChunk)
        {
            chunkHanded_ = true;
            chunkAnswer_ = answer;
        }
        return answer;
    }
    float getParameter(int32_t index) override { return effect_.getParameter(&effect_, index); }
    void setParameter(int32_t index, float value) override { effect_.setParameter(&effect_, index, value); }

    // True when a chunk was handed over and the effect answered 0 (it answers non-zero for a chunk it refuses).
    bool chunkAccepted() const { return chunkHanded_ && chunkAnswer_ == 0; }

private:
    EffectRecord& effect_;
    bool chunkHanded_ = false;
    intptr_t chunkAnswer_ = 0;
};
