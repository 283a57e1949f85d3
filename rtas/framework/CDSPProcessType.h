// A process type the host also reaches as a component object, the core that makes its instances, and the placing
// of its instances on the host's DSPs: through the host's DSP manager, on the DSP objects its group keeps. Host
// threads, under the group's context lock.
#pragma once

#include "rtas/framework/CDSPProcessGroup.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/CUnknown.h"

class CDSPProcess;

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

    // ---- DSP placement ----
    // The host's DSP manager interface (not owned: the module keeps it until the group goes). While none was handed
    // over, the type asks the module's kept one.
    void SetDSPManager(void* manager) { fManager = manager; }
    void* GetDSPManager();
    // The group's DSP object lists (owned by the group; null until it hands them over).
    void SetDSPLists(DSPObjectList* all, DSPObjectList* free, DSPObjectList* used);
    void GetDSPLists(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used) const;

    // Tells the manager of a new instance. Without a manager: 0 for a plug-in opened through WinPlugInOpen, else
    // -7080.
    virtual int32_t RegisterInstance(CDSPProcess* process);
    // The manager forgets the instance; without a manager -7080 is raised.
    virtual void UnregisterInstance(CDSPProcess* process);
    // Reserves room for the instance's load on a DSP through the manager and attaches the instance to that DSP's
    // object. -7027 without a manager, -7077 when the manager has no room; a DSP that cannot be attached is raised.
    virtual int32_t AcquireDSPObject(CDSPProcess* process);
    // Gives the instance's room back to the manager and detaches the instance from its DSP object. 0 when it had
    // none.
    virtual int32_t ReleaseDSPObject(CDSPProcess* process);
    // Fit tests: whether the object's DSP has room left for a load, or for the instance's load, by the manager's
    // count of its free capacity. -7027 without a manager; the manager's failure as it is.
    virtual int32_t DoesLoadFit(const CDSP* object, int32_t load, bool* fits);
    virtual int32_t DoesInstanceFit(CDSPProcess* process, const CDSP* object, bool* fits);

    // For the group: the summed DSP load of this type's instances, and whether any of them runs on the object.
    int32_t SumDSPLoad();
    bool UsesDSPObject(const CDSP* object);

protected:
    virtual CProcess* CreateBareProcess() { return nullptr; }

private:
    CDSPProcessGroup* DSPGroup() const;

    void* fManager = nullptr;
    DSPObjectList* fAllDSPs = nullptr;
    DSPObjectList* fFreeDSPs = nullptr;
    DSPObjectList* fUsedDSPs = nullptr;
};
