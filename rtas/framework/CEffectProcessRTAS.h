// An effect instance that runs in real time only: the real-time type's set-up hands it the identity words it is
// known by to the host's engine (manufacturer, product and type ID, the group word, its index), which it keeps.
// Main thread, under the group's context lock.
#pragma once

#include "rtas/framework/CEffectProcess.h"

#include <cstdint>

class CEffectProcessRTAS : public CEffectProcess
{
public:
    int32_t SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index) override;

    const SProcessIdentity& GetEngineIdentity() const { return fIdentity; }
    HostWord GetGroupWord() const { return fGroupWord; }
    int32_t GetEngineIndex() const { return fEngineIndex; }

private:
    SProcessIdentity fIdentity{};
    HostWord fGroupWord = 0;
    int32_t fEngineIndex = 0;
};
