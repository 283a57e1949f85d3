// The group as the host also holds it: a component object with the group interface, and the keeper of the DSP chip
// objects its DSP-capable types place instances on. Host threads, under the group's context lock.
#pragma once

#include "rtas/framework/CProcessGroup.h"
#include "rtas/framework/CUnknown.h"

#include <memory>
#include <vector>

class CDSP;
class CDSPProcessType;

namespace DOA {
// {E01FF6A0-3865-11D2-B4BE-B87E918E1B5A}
constexpr GUID IID_IProcessGroup = {0xE01FF6A0, 0x3865, 0x11D2, {0xB4, 0xBE, 0xB8, 0x7E, 0x91, 0x8E, 0x1B, 0x5A}};
}  // namespace DOA

// The group's face for the host: the unknown operations, answered by the group's component object (a query
// through it reaches every interface of the group).
class IProcessGroup : public DOA::IUnknown
{
protected:
    ~IProcessGroup() = default;
};

// DSP chip objects by their use. The list of all objects owns them; the free and used lists only point.
using DSPObjectList = std::vector<CDSP*>;

class CDSPProcessGroup : public CProcessGroup, public IProcessGroup, public DOA::CUnknown
{
public:
    CDSPProcessGroup();
    // Deletes the types (so their instances let go of their DSP objects first), then the DSP objects and lists.
    ~CDSPProcessGroup() override;

    // IProcessGroup answers the group's IProcessGroup face; everything else goes to the base. Any host thread.
    int32_t NonDelegatingQueryInterface(const DOA::GUID& iid, void** object) override;
    // The face's unknown operations go where the group's own go: the outer object when aggregated.
    int32_t QueryInterface(const DOA::GUID& iid, void** object) override { return DelegatingQueryInterface(iid, object); }
    uint32_t AddRef() override { return DelegatingAddRef(); }
    uint32_t Release() override { return DelegatingRelease(); }

    // Makes the DSP lists and starts the DSP driver, then the library's set-up, then hands the lists to every
    // DSP-capable type. A failure frees the lists again and is passed on.
    int32_t Initialize() override;
    // Deletes the instance, then lets go of the DSP objects no instance uses any more; a DSP object that cannot be
    // handed back answers -7150 (it stays in the lists and goes with the group).
    int32_t DeleteProcess(uint32_t typeNumber, int32_t index) override;

    // These two reach host services that may throw; a failure never leaves them as an exception.
    int32_t HostQuery35(int32_t question, int32_t* answer) override;
    int32_t HostQuery136(int32_t kind, int32_t count, int32_t* first, int32_t* second) override;
    // Kind 1: the effect name that fits 16 characters; kind 4: the DSP load of all instances in percent, as a 32-bit
    // value; any other kind -1.
    virtual int32_t GetGroupInfo(int32_t kind, unsigned char* answer);

    // ---- DSP operations ----
    virtual void CreateDSPLists();
    // Detaches and deletes every DSP object, then frees the lists.
    virtual void DeleteDSPLists();
    // Starts the host's stand-alone DSP driver; answers its result (a host without DSP cards still gets a group).
    virtual int32_t StartDSPDriver();
    // Every DSP-capable type gets the lists and the DSP manager.
    virtual void HandDSPListsToTypes();
    virtual void GetDSPLists(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used);
    // The chip object of that DSP, made (by its card) and attached on first request; kept in the lists, free until
    // an instance uses it. A DSP the chip classes do not know, or that does not attach, is raised.
    virtual CDSP* AttachDSP(HostWord dsp);
    // The object already attached to that DSP, or null.
    virtual CDSP* FindDSPObject(HostWord dsp) const;
    // Moves the object to the used or the free list by whether any live instance runs on it.
    virtual void UpdateDSPObjectUse(CDSP* object);
    // Detaches and deletes every object no instance uses. 0, or -7150 at the first that fails.
    virtual int32_t ReleaseUnusedDSPObjects();
    // The DSP load of every instance of every DSP-capable type, in percent.
    virtual int32_t GetDSPLoadOfAllInstances();
    // The two questions to the host's DSP manager: how many DSPs it manages, and the free capacity of one of them.
    // Without a manager the answer is cleared and 0 answered.
    virtual int32_t GetManagerDSPCount(int32_t* count);
    virtual int32_t GetManagerFreeCapacity(HostWord dsp, int32_t* percent);
    // The DSP-group request (13) through the host's callback: -7175 without one.
    virtual int32_t SendDSPGroupRequest(int32_t a, int32_t b, int32_t c);

    // The result of the last driver start (0 before any).
    int32_t GetDriverResult() const { return fDriverResult; }
    // Whether any live instance of any DSP-capable type runs on the object.
    bool IsDSPObjectInUse(const CDSP* object);

private:
    template <typename F>
    void ForEachDSPType(F f);

    std::unique_ptr<DSPObjectList> fAllDSPs;
    std::unique_ptr<DSPObjectList> fFreeDSPs;
    std::unique_ptr<DSPObjectList> fUsedDSPs;
    int32_t fDriverResult = 0;
};
