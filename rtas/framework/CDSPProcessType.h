// A process type the host also reaches as a component object, the core that makes its instances, and the placing
// of its instances on the host's DSPs: through the host's DSP manager, on the DSP objects its group keeps. Host
// threads, under the group's context lock.
#pragma once

#include "rtas/framework/CDSPProcessGroup.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/CUnknown.h"

class CDSPProcess;
class IProcess2;

namespace DOA {
// {297F5762-2366-11D2-817A-0060089A8916} and {51811C94-80D1-11D3-A4B0-006094EB6D0A}
constexpr GUID IID_IProcessType = {0x297F5762, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
constexpr GUID IID_IProcessType2 = {0x51811C94, 0x80D1, 0x11D3, {0xA4, 0xB0, 0x00, 0x60, 0x94, 0xEB, 0x6D, 0x0A}};
}  // namespace DOA

// The type's face for the host's engine, after the three unknown operations. Every entry answers a code, never an
// exception: a CDAEError becomes its code, anything else -7401. Instances are named by their IProcess2 face and
// must be live instances of this type (-7126 otherwise).
class IProcessType : public DOA::IUnknown
{
public:
    virtual int32_t AcquireDSPObjectFor(IProcess2* instance) = 0;
    virtual int32_t ReleaseDSPObjectFor(IProcess2* instance) = 0;
    virtual int32_t GetTypeIDOf(uint32_t* id) = 0;
    virtual int32_t SetDSPManagerOf(void* manager) = 0;
    virtual int32_t GetDSPManagerOf(void** manager) = 0;
    virtual int32_t SetDSPListsOf(DSPObjectList* all, DSPObjectList* free, DSPObjectList* used) = 0;
    virtual int32_t GetDSPListsOf(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used) = 0;
    virtual int32_t DoesLoadFitOn(CDSP* object, int32_t load, bool* fits) = 0;
    virtual int32_t DoesInstanceFitOn(IProcess2* instance, CDSP* object, bool* fits) = 0;

protected:
    ~IProcessType() = default;
};

// What IProcessType2 adds.
class IProcessType2 : public IProcessType
{
public:
    // A new instance that no type owns yet, its face in *instance; -7053 when the type makes none.
    virtual int32_t CreateBareInstance(IProcess2** instance) = 0;

protected:
    ~IProcessType2() = default;
};

class CDSPProcessType : public CProcessType, public DOA::CUnknown, public IProcessType2
{
public:
    uint32_t GetTypeID() const override { return HostFourCC("swDS"); }
    // Calls CreateBareProcess (-7053 when it gives nothing) and adopts the instance with the smallest free index.
    int32_t NewProcess(int32_t* index) override;
    // The type's IProcessType2 face for the two type interfaces; every other identifier goes to the base.
    int32_t NonDelegatingQueryInterface(const DOA::GUID& iid, void** object) override;
    int32_t QueryInterface(const DOA::GUID& iid, void** object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // ---- The host's face: host threads, under the group's context lock ----
    int32_t AcquireDSPObjectFor(IProcess2* instance) override;
    int32_t ReleaseDSPObjectFor(IProcess2* instance) override;
    int32_t GetTypeIDOf(uint32_t* id) override;
    int32_t SetDSPManagerOf(void* manager) override;
    int32_t GetDSPManagerOf(void** manager) override;
    int32_t SetDSPListsOf(DSPObjectList* all, DSPObjectList* free, DSPObjectList* used) override;
    int32_t GetDSPListsOf(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used) override;
    int32_t DoesLoadFitOn(CDSP* object, int32_t load, bool* fits) override;
    int32_t DoesInstanceFitOn(IProcess2* instance, CDSP* object, bool* fits) override;
    int32_t CreateBareInstance(IProcess2** instance) override;

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
    // Registers the instance with the manager (RegisterInstance's refusal is answered as it is), then reserves room
    // for its load on a DSP and attaches the instance to that DSP's object. -7027 without a manager (reached only
    // when opened through WinPlugInOpen), -7077 when the manager has no room; a DSP that cannot be attached is
    // raised. An instance that is not placed is unregistered again.
    virtual int32_t AcquireDSPObject(CDSPProcess* process);
    // Gives the instance's room back to the manager, detaches the instance from its DSP object and unregisters it
    // (UnregisterInstance's error is raised after the detach). 0 when it had no object.
    virtual int32_t ReleaseDSPObject(CDSPProcess* process);
    // Fit tests: whether the object's DSP has room left for a load, or for the instance's load, by the manager's
    // count of its free capacity. -7027 without a manager; the manager's failure as it is.
    virtual int32_t DoesLoadFit(const CDSP* object, int32_t load, bool* fits);
    virtual int32_t DoesInstanceFit(CDSPProcess* process, const CDSP* object, bool* fits);

    // Asks the host, through the callback of routine 14, for the value of the identifier in *argument: the value
    // the host wrote; the host's refusal is raised as CDAEError (-7175 without a callback).
    int32_t QueryHostValue(const int32_t* argument);

    // For the group: the summed DSP load of this type's instances, and whether any of them runs on the object.
    int32_t SumDSPLoad();
    bool UsesDSPObject(const CDSP* object);

protected:
    virtual CProcess* CreateBareProcess() { return nullptr; }

private:
    CDSPProcessGroup* DSPGroup() const;
    // The live instance of this type behind a face the host hands in; CDAEError -7126 when there is none.
    CDSPProcess& InstanceOf(IProcess2* face);

    void* fManager = nullptr;
    DSPObjectList* fAllDSPs = nullptr;
    DSPObjectList* fFreeDSPs = nullptr;
    DSPObjectList* fUsedDSPs = nullptr;
};
