// The wrapper's effect as the bridge state blob sees it: the record's counts and entries through the wrapper, host
// writes through the wrapper's SetParameter (which skips unchanged values), and the wrapper's waits around bank
// work. GUI thread.
#pragma once

#include "common/EffectStateBlob.h"

class CPluginWrapper;

class WrapperStateTarget : public EffectStateTarget
{
public:
    explicit WrapperStateTarget(CPluginWrapper& wrapper) : wrapper_(wrapper) {}

    int32_t effectFlags() const override;
    int32_t parameterCount() const override;
    int32_t programCount() const override;
    intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override;
    float getParameter(int32_t index) override;
    void setParameter(int32_t index, float value) override;
    void beginBankWork() override;
    void endBankWork() override;

private:
    CPluginWrapper& wrapper_;
};
