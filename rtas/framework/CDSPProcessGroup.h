// The group as the host also holds it: a component object with the group interface.
#pragma once

#include "rtas/framework/CProcessGroup.h"
#include "rtas/framework/CUnknown.h"

namespace DOA {
// {E01FF6A0-3865-11D2-B4BE-B87E918E1B5A}
constexpr GUID IID_IProcessGroup = {0xE01FF6A0, 0x3865, 0x11D2, {0xB4, 0xBE, 0xB8, 0x7E, 0x91, 0x8E, 0x1B, 0x5A}};
}  // namespace DOA

class CDSPProcessGroup : public CProcessGroup, public DOA::CUnknown
{
public:
    int32_t NonDelegatingQueryInterface(const DOA::GUID& iid, void** object) override;

    // These two reach host services that may throw; a failure never leaves them as an exception.
    int32_t HostQuery35(int32_t question, int32_t* answer) override;
    int32_t HostQuery136(int32_t kind, int32_t count, int32_t* first, int32_t* second) override;
    // Kind 1: the effect name that fits 16 characters; any other kind -1 (no DSP load without DSP cards).
    virtual int32_t GetGroupInfo(int32_t kind, unsigned char* answer);
};
