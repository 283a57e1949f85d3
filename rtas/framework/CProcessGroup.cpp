#include "rtas/framework/CProcessGroup.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CDSPProcess.h"
#include "rtas/framework/HostLockService.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/dsp/DsiEntryPoints.h"
#include "rtas/framework/dsp/DspManagerInterface.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int32_t kSharingTaskStandardType = 57;
constexpr uint32_t kMidiAnswerWord = HostFourCC("midi");

}  // namespace

CProcessGroup::CProcessGroup() = default;

CProcessGroup::~CProcessGroup()
{
    ReleaseTypes();
    DeleteSharingObjects();
    // A group torn down with instances still alive gives back the resource file they kept open.
    if (fResourceFileTaken)
        rtas::ReleasePlugInResourceFile(CurResFile());
    DeleteLock();
    // The DSP support goes with the group that bound it; a manager kept past this point would outlive its host.
    rtas::dsp::ReleaseDSPManagerInterface();
    rtas::dsi::UnloadDSIEntryPoints();
}

int32_t CProcessGroup::Initialize()
{
    // Optional DSP support: a host without DSI.dll, or with an older one, still gets a working group.
    rtas::dsi::LoadDSIEntryPoints();
    fTypes = std::make_unique<std::vector<CProcessType*>>();
    const int32_t created = CreateProcessTypes();
    if (created != 0)
        return created;
    InitializeTypes();
    CreateLock();
    return 0;
}

void CProcessGroup::AppendType(CProcessType* type)
{
    fTypes->push_back(type);
}

// ---- Types ----

bool CProcessGroup::PassesSelection(const CProcessType* type)
{
    return type->IsMarked() || type->GetReservedWord() == 0;
}

void CProcessGroup::InitializeTypes()
{
    if (!fTypes)
        return;
    std::stable_partition(fTypes->begin(), fTypes->end(), PassesSelection);
    NumberTypes();
}

void CProcessGroup::NumberTypes()
{
    int16_t number = 1;
    for (CProcessType* type : *fTypes) {
        type->SetGroup(this);
        type->SetTypeNumber(number++);
    }
}

void CProcessGroup::DeleteTypes()
{
    if (!fTypes)
        return;
    for (CProcessType* type : *fTypes) {
        type->DeleteAllProcesses();
        delete type;
    }
    fTypes.reset();
}

CProcessType* CProcessGroup::FindProcessTypeOrNull(uint32_t typeNumber) const
{
    if (!fTypes)
        return nullptr;
    for (CProcessType* type : *fTypes)
        if (type->GetTypeNumber() == int16_t(typeNumber))
            return type;
    return nullptr;
}

CProcessType* CProcessGroup::FindProcessType(uint32_t typeNumber) const
{
    CProcessType* type = FindProcessTypeOrNull(typeNumber);
    if (type == nullptr)
        throw CDAEError(rtas::kNoSuchType);
    return type;
}

int32_t CProcessGroup::CountTypes(int16_t* count)
{
    int16_t passing = 0;
    if (fTypes)
        for (const CProcessType* type : *fTypes)
            passing += PassesSelection(type) ? 1 : 0;
    if (count != nullptr)
        *count = passing;
    return 0;
}

int32_t CProcessGroup::MarkType(uint32_t typeID)
{
    bool marked = false;
    if (fTypes)
        for (CProcessType* type : *fTypes)
            if (uint32_t(int32_t(type->GetReservedWord())) == typeID && !type->IsMarked()) {
                type->SetMarked(true);
                marked = true;
            }
    if (marked)
        InitializeTypes();
    return 0;
}

// ---- Routing ----

#define QOR_GROUP_FORWARD(sel, name, lock, params, names)                                                            \
    int32_t CProcessGroup::name(uint32_t typeNumber, int32_t index QOR_ROUTINE_TAIL params)                          \
    {                                                                                                                \
        return FindProcessType(typeNumber)->name(index QOR_ROUTINE_TAIL names);                                      \
    }
#define QOR_GROUP_SKIP(...)
QOR_PLUGIN_ROUTINES(QOR_GROUP_FORWARD, QOR_GROUP_FORWARD, QOR_GROUP_SKIP, QOR_GROUP_FORWARD, QOR_GROUP_SKIP,
                    QOR_GROUP_SKIP)
#undef QOR_GROUP_FORWARD
#undef QOR_GROUP_SKIP

int32_t CProcessGroup::GetViewRect(uint32_t typeNumber, int32_t index, Rect* rect)
{
    if (const int32_t refused = PreViewRoutineCheck(typeNumber, index))
        return refused;
    return FindProcessType(typeNumber)->GetViewRect(index, rect);
}

int32_t CProcessGroup::SetViewPort(uint32_t typeNumber, int32_t index, OpaqueGrafPtr port)
{
    if (const int32_t refused = PreViewRoutineCheck(typeNumber, index))
        return refused;
    return FindProcessType(typeNumber)->SetViewPort(index, port);
}

int32_t CProcessGroup::Routine48(uint32_t typeNumber, int32_t index, int32_t point)
{
    if (const int32_t refused = PreViewRoutineCheck(typeNumber, index))
        return refused;
    return FindProcessType(typeNumber)->Routine48(index, point);
}

int32_t CProcessGroup::GetStemName(uint32_t typeNumber, int32_t index, int32_t kind, int32_t maxLength,
                                   unsigned char* name)
{
    CProcessType* type = FindProcessType(typeNumber);
    const int32_t result = type->GetStemName(index, kind, maxLength, name);
    if (result == 0 || kind != 2 || name == nullptr)
        return result;
    int16_t inputs = 0;
    int16_t outputs = 0;
    type->Routine10(index, &inputs);
    type->Routine17(index, &outputs);
    if (inputs != 2 || outputs != 2)
        return result;
    rtas::SetPascalString(std::min<int32_t>(31, maxLength), "stereo mode", name);
    return 0;
}

int32_t CProcessGroup::GetTypeName(uint32_t typeNumber, int32_t maxLength, unsigned char* name)
{
    if (typeNumber == HostFourCC("????"))
        return GetEffectName(maxLength, name);
    return FindProcessType(typeNumber)->GetTypeName(maxLength, name);
}

int32_t CProcessGroup::SetSampleRate(int32_t rate)
{
    fSampleRate = rate;
    return ForEachType([&](CProcessType* type) { return type->SetSampleRate(rate); });
}

int32_t CProcessGroup::Routine125(int32_t value)
{
    return ForEachType([&](CProcessType* type) { return type->Routine125(value); });
}

int32_t CProcessGroup::SetEngineSettings(const int32_t* settings)
{
    if (settings == nullptr)
        return rtas::kMissingObject;
    fEngineSettingA = settings[0];
    fEngineSettingB = settings[1];
    return ForEachType([&](CProcessType* type) { return type->SetEngineSettings(settings); });
}

int32_t CProcessGroup::Routine16(HostWord argument)
{
    return ForEachType([&](CProcessType* type) { return type->Routine16(argument); });
}

int32_t CProcessGroup::Routine18(HostWord argument)
{
    return ForEachType([&](CProcessType* type) { return type->Routine18(argument); });
}

int32_t CProcessGroup::Routine69(int32_t flag)
{
    return ForEachType([&](CProcessType* type) { return type->Routine69(flag); });
}

int32_t CProcessGroup::Routine72(int32_t flag)
{
    return ForEachType([&](CProcessType* type) { return type->Routine72(flag); });
}

int32_t CProcessGroup::Routine122(HostWord first, int32_t second)
{
    fRoutine122Value = second;
    return ForEachType([&](CProcessType* type) { return type->Routine122(first, second); });
}

int32_t CProcessGroup::Routine36(int32_t* kind, int32_t* word, uint32_t typeNumber, int32_t index)
{
    constexpr int32_t kInterfaceAnswerMagic = 0x47892354;
    CProcessType* type = FindProcessTypeOrNull(typeNumber);
    CProcess* process = type != nullptr ? type->FindProcess(index) : nullptr;
    if (word != nullptr && *word == kInterfaceAnswerMagic) {
        if (process == nullptr)
            return type == nullptr ? rtas::kNoSuchType : rtas::kNoSuchInstance;
        // The instance's engine face when it has one (the host holds the instance through it), else its unknown.
        if (auto* engineFace = dynamic_cast<CDSPProcess*>(process))
            *word = int32_t(intptr_t(static_cast<IProcess2*>(engineFace)));
        else
            *word = int32_t(intptr_t(static_cast<DOA::INondelegatingUnknown*>(process)));
        return 0;
    }
    rtas::ClearAnswers(kind, word);
    if (type == nullptr)
        return rtas::kNoSuchType;
    if (process == nullptr)
        return rtas::kNoSuchInstance;
    if (kind != nullptr)
        *kind = process->GetInstanceKind();
    if (word != nullptr)
        *word = process->GetInstanceWord();
    return 0;
}

int32_t CProcessGroup::GetGestalt(uint32_t typeNumber, int32_t code, int32_t* answer)
{
    if (answer == nullptr)
        return rtas::kMissingObject;
    if (code == 28) {
        *answer = uint32_t(*answer) == kMidiAnswerWord ? 2 : 0;
        return 0;
    }
    if (IsGroupGestalt(code)) {
        *answer = 1;
        return 0;
    }
    *answer = 0;
    CProcessType* type = FindProcessTypeOrNull(typeNumber);
    if (type == nullptr)
        return rtas::kNoSuchType;
    return type->GetGestalt(code, answer);
}

// ---- Instances ----

int32_t CProcessGroup::CreateProcess(uint32_t typeNumber, int32_t* index)
{
    if (fSharingServer == 0)
        CreateSharingObjects();
    if (!rtas::IsOpenedThroughWinPlugInOpen() && fLiveInstances == 0 && !fResourceFileTaken) {
        // The first instance keeps the plug-in's resource file open for all of them; the host's own file stays
        // current.
        const int16_t previous = rtas::UsePlugInResourceFile();
        if (previous != 0)
            UseResFile(previous);
        fResourceFileTaken = true;
    }
    int32_t result = rtas::kUnexpected;
    try {
        result = PreCreateProcess(typeNumber);
        if (result == 0)
            result = FindProcessType(typeNumber)->CreateProcess(index);
    } catch (...) {
        if (fLiveInstances == 0)
            DeleteSharingObjects();
        if (fLiveInstances == 0 && fResourceFileTaken) {
            rtas::ReleasePlugInResourceFile(CurResFile());
            fResourceFileTaken = false;
        }
        throw;
    }
    if (result == 0) {
        rtas::CountInstanceCreated();
        ++fLiveInstances;
    } else if (fLiveInstances == 0) {
        DeleteSharingObjects();
        if (fResourceFileTaken) {
            rtas::ReleasePlugInResourceFile(CurResFile());
            fResourceFileTaken = false;
        }
    }
    return result;
}

int32_t CProcessGroup::DeleteProcess(uint32_t typeNumber, int32_t index)
{
    const int32_t result = FindProcessType(typeNumber)->DeleteProcess(index);
    // Only an instance that was really deleted lowers the count: a host deleting a stale index must not close the
    // shared objects under the instances that still live.
    if (result != 0)
        return result;
    if (fLiveInstances > 0 && --fLiveInstances == 0) {
        DeleteSharingObjects();
        if (fResourceFileTaken) {
            rtas::ReleasePlugInResourceFile(CurResFile());
            fResourceFileTaken = false;
        }
    }
    return 0;
}

// ---- Sharing objects ----

int32_t CProcessGroup::CreateSharingObjects()
{
    HostWord offered = 0;
    if (FicGestalt(kGestaltDataSharing, &offered) != 0 || FicIsAlive() == 0)
        return 0;
    int32_t result = FicSDSNewServer(&fSharingServer);
    HostWord taskType = 0;
    if (result == 0)
        result = FicSDSFindStandardType(fSharingServer, kSharingTaskStandardType, &taskType);
    if (result == 0)
        result = FicNewObject(taskType, &fSharingTask);
    if (result != 0)
        DeleteSharingObjects();
    return result;
}

void CProcessGroup::DeleteSharingObjects()
{
    if (fSharingTask != 0)
        FicDeleteObject(fSharingTask);
    if (fSharingServer != 0)
        FicSDSDeleteServer(fSharingServer);
    fSharingTask = 0;
    fSharingServer = 0;
}

// ---- Context lock ----

int32_t CProcessGroup::CreateLock()
{
    fNestingLevel = 0;
    FicLockService* service = rtas::GetHostLockService();
    if (service != nullptr) {
        const int32_t version = service->version();
        if (version <= 0)
            return rtas::kBadLockService;
        if (version < 2) {
            fLock = service->newLock();
        } else {
            unsigned char name[256] = {0};
            std::string effect = "<unknown>";
            try {
                if (GetEffectName(63, name) == 0)
                    effect.assign(reinterpret_cast<const char*>(name + 1), name[0]);
            } catch (...) {
            }
            fLock = service->newNamedLock(("CProcessGroup<" + effect + ">").c_str());
        }
    }
    return fLock != 0 ? 0 : rtas::kNoLock;
}

void CProcessGroup::DeleteLock()
{
    FicLockService* service = rtas::GetHostLockService();
    if (fLock != 0 && service != nullptr)
        service->deleteLock(fLock);
    fLock = 0;
}

int32_t CProcessGroup::Lock()
{
    FicLockService* service = fLock != 0 ? rtas::GetHostLockService() : nullptr;
    if (service != nullptr && service->version() > 0)
        service->enter(fLock);
    return ++fNestingLevel;
}

bool CProcessGroup::TryLock()
{
    FicLockService* service = fLock != 0 ? rtas::GetHostLockService() : nullptr;
    if (service != nullptr && service->version() > 0 && service->tryEnter(fLock) == 0)
        return false;
    ++fNestingLevel;
    return true;
}

int32_t CProcessGroup::Unlock()
{
    --fNestingLevel;
    FicLockService* service = fLock != 0 ? rtas::GetHostLockService() : nullptr;
    if (service != nullptr && service->version() > 0)
        service->leave(fLock);
    return fNestingLevel;
}

void CProcessGroup::IdleWithLockReleased()
{
    Lock();
    const int32_t level = Unlock();
    while (fNestingLevel > 0)
        Unlock();
    SystemTask();
    for (int32_t i = 0; i < level; ++i)
        Lock();
}
