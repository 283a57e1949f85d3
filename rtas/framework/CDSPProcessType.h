// A process type the host also reaches as a component object, and the core that makes its instances.
#pragma once

#include "rtas/framework/CProcessType.h"
#include "rtas/framework/CUnknown.h"

namespace DOA {
// {297F5762-2366-11D2-817A-0060089A8916} and {51811C94-80D1-11D3-A4B0-006094EB6D0A}
constexpr GUID IID_IProcessType = {0x297F5762, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
constexpr GUID IID_IProcessType2 = {0x51811C94, 0x80D1, 0x11D3, {0xA4, 0xB0, 0x00, 0x60, 0x94, 0xEB, 0x6D, 0x0A}};
}  // namespace DOA

class CDSPProcessType : public CProcessType, public DOA::CUnknown
{
public:
    uint32_t GetTypeID() const override { return HostFourCC("swDS"); }
    // Calls CreateBareProcess (-7053 when it gives nothing) and adopts the instance with the smallest free index.
    int32_t NewProcess(int32_t* index) override;
    // The type's own face for the two type interfaces; every other identifier goes to the base.
    int32_t NonDelegatingQueryInterface(const DOA::GUID& iid, void** object) override;

protected:
    virtual CProcess* CreateBareProcess() { return nullptr; }
};
