#include "rtas/framework/CEffectProcessRTAS.h"

int32_t CEffectProcessRTAS::SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index)
{
    fIdentity = identity;
    fGroupWord = groupWord;
    fEngineIndex = index;
    return 0;
}
