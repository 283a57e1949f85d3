// The group's plug-in types, the routing of per-instance routines to them, instance creation and deletion, the
// host's context lock and the data-sharing objects all instances use. Host threads, under the context lock.
#pragma once

#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/host/EngineServices.h"

#include <cstdint>
#include <memory>
#include <vector>

class CProcessGroup : public CProcessGroupInterface
{
public:
    CProcessGroup();
    ~CProcessGroup() override;

    // Makes the type list, the types and the context lock. A host without a lock service still gets a working group.
    int32_t Initialize() override;

#define QOR_GROUP_FORWARD(sel, name, lock, params, names)                                                            \
    int32_t name(uint32_t typeNumber, int32_t index QOR_ROUTINE_TAIL params) override;
#define QOR_GROUP_SKIP(...)
    QOR_PLUGIN_ROUTINES(QOR_GROUP_FORWARD, QOR_GROUP_FORWARD, QOR_GROUP_FORWARD, QOR_GROUP_FORWARD, QOR_GROUP_SKIP,
                        QOR_GROUP_SKIP)
#undef QOR_GROUP_FORWARD
#undef QOR_GROUP_SKIP

    int32_t GetTypeName(uint32_t typeNumber, int32_t maxLength, unsigned char* name) override;
    int32_t SetSampleRate(int32_t rate) override;
    int32_t Routine125(int32_t value) override;
    int32_t SetEngineSettings(const int32_t* settings) override;
    int32_t Routine16(HostWord argument) override;
    int32_t Routine18(HostWord argument) override;
    int32_t CreateProcess(uint32_t typeNumber, int32_t* index) override;
    int32_t DeleteProcess(uint32_t typeNumber, int32_t index) override;
    int32_t CountTypes(int16_t* count) override;
    int32_t Routine36(int32_t* kind, int32_t* word, uint32_t typeNumber, int32_t index) override;
    int32_t Routine69(int32_t flag) override;
    int32_t Routine72(int32_t flag) override;
    int32_t MarkType(uint32_t typeID) override;
    int32_t GetGestalt(uint32_t typeNumber, int32_t code, int32_t* answer) override;
    int32_t Routine122(HostWord first, int32_t second) override;

    int32_t Lock() override;
    bool TryLock() override;
    int32_t Unlock() override;
    void IdleWithLockReleased() override;
    int32_t GetLockNestingLevel() const { return fNestingLevel; }
    bool HasHostLock() const { return fLock != 0; }

    int32_t CountLiveInstances() const { return fLiveInstances; }
    bool HasSharingObjects() const { return fSharingServer != 0; }
    HostWord GetSharingTaskObject() const { return fSharingTask; }

    // The type with that number; CDAEError -7125 when there is none.
    CProcessType* FindProcessType(uint32_t typeNumber) const;
    CProcessType* FindProcessTypeOrNull(uint32_t typeNumber) const;
    int32_t CountAllTypes() const { return fTypes ? int32_t(fTypes->size()) : 0; }

    // The effect's name that fits maxLength, length-prefixed.
    virtual int32_t GetEffectName(int32_t maxLength, unsigned char* name) = 0;

protected:
    virtual int32_t CreateLock();
    virtual void DeleteLock();
    virtual void ReleaseTypes() { DeleteTypes(); }
    virtual int32_t CreateSharingObjects();
    virtual void DeleteSharingObjects();
    virtual int32_t CreateProcessTypes() { return 0; }
    // Moves types that fail the selection test to the end (keeping the order in both parts), then numbers them.
    virtual void InitializeTypes();
    virtual void NumberTypes();
    virtual void DeleteTypes();
    // Runs before a per-instance view routine (4, 47, 48) is forwarded; a non-zero answer is returned instead.
    virtual int32_t PreViewRoutineCheck(uint32_t typeNumber, int32_t index) { return 0; }
    // Codes the group answers 1 for, whatever the type.
    virtual bool IsGroupGestalt(int32_t code) const { return false; }
    // Runs before an instance is created; a failure is returned as it is.
    virtual int32_t PreCreateProcess(uint32_t typeNumber) { return 0; }
    // For every type, the first non-zero answer of f(type); the visit never stops early.
    template <typename F>
    int32_t ForEachType(F f)
    {
        int32_t result = 0;
        if (fTypes)
            for (CProcessType* type : *fTypes) {
                const int32_t answer = f(type);
                if (result == 0)
                    result = answer;
            }
        return result;
    }
    std::vector<CProcessType*>& Types() { return *fTypes; }
    bool HasTypeList() const { return fTypes != nullptr; }
    void AppendType(CProcessType* type);

private:
    static bool PassesSelection(const CProcessType* type);

    std::unique_ptr<std::vector<CProcessType*>> fTypes;
    int32_t fLiveInstances = 0;
    HostWord fLock = 0;
    int32_t fNestingLevel = 0;
    HostWord fSharingServer = 0;
    HostWord fSharingTask = 0;
    // The resource file was taken for the first instance and must be given back with the last.
    bool fResourceFileTaken = false;
};
