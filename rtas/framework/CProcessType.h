// One kind of plug-in the host can make instances of: its identity, its instances (numbered 1, 2, 3 ...) and the
// routing of every per-instance routine to the instance the host names. All operations run on a host thread inside
// the group's context lock; the type takes no lock of its own.
#pragma once

#include "rtas/framework/CProcess.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <cstdint>
#include <vector>

class CProcessGroupInterface;

class CProcessType
{
public:
    CProcessType();
    virtual ~CProcessType();

    // Releases every instance as DeleteProcess does.
    virtual void DeleteAllProcesses();
    virtual void SetGroup(CProcessGroupInterface* group) { fGroup = group; }
    virtual int32_t CountProcesses() const { return int32_t(fProcesses.size()); }
    // Stores n and tells every instance; the first non-zero answer.
    virtual int32_t SetTypeNumber(int16_t n);
    int16_t GetTypeNumber() const { return fTypeNumber; }

    // The routines the group forwards. The default passes each on to the instance with the index (-7126 when there
    // is none); the type's own answers are defined beside them.
#define QOR_TYPE_OPERATION(sel, name, lock, params, names)                                                           \
    virtual int32_t name(int32_t index QOR_ROUTINE_TAIL params);
#define QOR_TYPE_SKIP(...)
    QOR_PLUGIN_ROUTINES(QOR_TYPE_OPERATION, QOR_TYPE_OPERATION, QOR_TYPE_OPERATION, QOR_TYPE_OPERATION, QOR_TYPE_SKIP,
                        QOR_TYPE_SKIP)
#undef QOR_TYPE_OPERATION
#undef QOR_TYPE_SKIP

    // Routine 15: 0 here; an effect type hands it to the effect instance.
    virtual int32_t ForwardToEffectProcess(int32_t index, HostWord argument);
    // Routine 134: the type's answer to gestalt 21.
    virtual int32_t GetTypeSetting(int32_t* setting);
    // Routine 172: the instance's interface query.
    virtual int32_t QueryProcessInterface(int32_t index, const HostGUID* iid, void** object);
    virtual int32_t GetTypeName(int32_t maxLength, unsigned char* name);
    virtual int32_t SetSampleRate(int32_t rate);
    virtual int32_t Routine125(int32_t value);
    virtual int32_t SetEngineSettings(const int32_t* settings);
    virtual int32_t Routine16(HostWord argument) { return 0; }
    virtual int32_t Routine18(HostWord argument) { return 0; }
    virtual int32_t Routine69(int32_t flag);
    virtual int32_t Routine72(int32_t flag);
    virtual int32_t Routine122(HostWord first, int32_t second);
    virtual uint32_t GetTypeID() const { return HostFourCC("swCl"); }
    virtual int32_t GetGestalt(int32_t code, int32_t* answer);
    virtual int32_t GetKind() const { return fKind; }
    // Makes an instance, numbers it with the smallest free index and answers the index.
    virtual int32_t CreateProcess(int32_t* index);
    virtual int32_t DeleteProcess(int32_t index);
    // The creation core; the base makes nothing.
    virtual int32_t NewProcess(int32_t* index) { return 0; }
    // The instance's stem codes and channel counts as the type reports them.
    virtual int32_t GetStemFormats(int32_t* stems);

    // Page-table resources, kept in a small cache by resource type.
    void PreloadPageTables();
    const uint8_t* GetPageTableResource(uint32_t resourceType, size_t* size = nullptr);
    virtual void GetResourceName(unsigned char* name) const;

    // The instance with this index, or null.
    CProcess* FindProcess(int32_t index) const;

    // The mark the group's MarkType sets, and the word it compares; the group counts and numbers unmarked types with
    // a non-zero word last.
    bool IsMarked() const { return fMarked; }
    void SetMarked(bool marked) { fMarked = marked; }
    int16_t GetReservedWord() const { return fReservedWord; }
    void SetReservedWord(int16_t word) { fReservedWord = word; }

    CProcessGroupInterface* GetGroup() const { return fGroup; }
    int32_t GetSampleRate() const { return fSampleRate; }

    static constexpr int kPageTableTypes = 10;
    static const uint32_t kPageTableResourceTypes[kPageTableTypes];

protected:
    std::vector<CProcess*>& Processes() { return fProcesses; }
    // Appends a new instance with the smallest free index, tells it who it is and initialises it; on any failure
    // the instance is released again and the failure passed on.
    int32_t AdoptNewProcess(CProcess* process, int32_t* index);
    void ReleaseProcess(CProcess* process);

    int32_t fKind = 0;

private:
    uint8_t* LoadPageTableResource(uint32_t resourceType, size_t* size);

    int16_t fReservedWord = 0;
    bool fMarked = false;
    CProcessGroupInterface* fGroup = nullptr;
    int16_t fTypeNumber = -1;
    int32_t fSampleRate;
    int32_t fRoutine122Value = 0;
    int32_t fRoutine125Value = 0;
    int32_t fEngineSettingA;
    int32_t fEngineSettingB;
    std::vector<CProcess*> fProcesses;
    struct PageTableEntry
    {
        uint8_t* data = nullptr;
        size_t size = 0;  // bytes of data, the two closing zero bytes included
        uint32_t type = HostFourCC("----");
        uint32_t lastUse = 0;
    };
    PageTableEntry fPageTables[kPageTableTypes];
};
