// The plug-in's one group: its identity and its five types, three real-time and two AudioSuite, each making wrapper
// instances of its kind.
#pragma once

#include "rtas/framework/CEffectGroup.h"

class CWrapperProcessGroup : public CEffectGroup
{
public:
    CWrapperProcessGroup();

protected:
    // Main thread, from the group's initialisation (before the host runs any routine on the group).
    int32_t CreateEffectTypes() override;
};
