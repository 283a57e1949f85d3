#include "rtas/framework/CProcessType.h"

#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
#include <cstring>

const uint32_t CProcessType::kPageTableResourceTypes[kPageTableTypes] = {
    HostFourCC("PgTL"), HostFourCC("MkTL"), HostFourCC("PcTL"), HostFourCC("FrTL"), HostFourCC("HgTL"),
    HostFourCC("DgEQ"), HostFourCC("DgCP"), HostFourCC("DgGT"), HostFourCC("BkCS"), HostFourCC("BkSF")};

CProcessType::CProcessType()
{
    const CProcessGroupInterface* group = rtas::GetModuleGroup();
    fSampleRate = group != nullptr ? group->GetSampleRate() : 44100;
    fEngineSettingA = group != nullptr ? group->GetEngineSettingA() : 5;
    fEngineSettingB = group != nullptr ? group->GetEngineSettingB() : 0;
    const uint32_t now = TickCount();
    for (PageTableEntry& entry : fPageTables)
        entry.lastUse = now;
}

CProcessType::~CProcessType()
{
    DeleteAllProcesses();
    for (PageTableEntry& entry : fPageTables)
        delete[] entry.data;
}

void CProcessType::DeleteAllProcesses()
{
    std::vector<CProcess*> processes;
    processes.swap(fProcesses);
    for (CProcess* process : processes)
        ReleaseProcess(process);
}

int32_t CProcessType::SetTypeNumber(int16_t n)
{
    fTypeNumber = n;
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetTypeNumber(n);
        if (result == 0)
            result = answer;
    }
    return result;
}

// ---- Routing to the instance ----

namespace {

// The idle and view routines the host sends to every instance whatever it answers: the type keeps the instance's
// answer to itself.
constexpr bool DropsInstanceAnswer(int selector) { return rtas::IsOneOf(selector, {3, 4, 47, 48}); }

}  // namespace

#define QOR_TYPE_FORWARD(sel, name, lock, params, names)                                                             \
    int32_t CProcessType::name(int32_t index QOR_ROUTINE_TAIL params)                                                \
    {                                                                                                                \
        CProcess* process = FindProcess(index);                                                                      \
        if (process == nullptr)                                                                                      \
            return rtas::kNoSuchInstance;                                                                            \
        const int32_t result = process->name names;                                                                  \
        return DropsInstanceAnswer(sel) ? 0 : result;                                                                \
    }
#define QOR_TYPE_SKIP(...)
QOR_PLUGIN_ROUTINES(QOR_TYPE_FORWARD, QOR_TYPE_SKIP, QOR_TYPE_FORWARD, QOR_TYPE_FORWARD, QOR_TYPE_SKIP, QOR_TYPE_SKIP)
#undef QOR_TYPE_FORWARD
#undef QOR_TYPE_SKIP

CProcess* CProcessType::FindProcess(int32_t index) const
{
    if (index <= 0)
        return nullptr;
    for (CProcess* process : fProcesses)
        if (process->GetIndex() == index)
            return process;
    return nullptr;
}

// ---- The type's own answers ----

int32_t CProcessType::Routine10(int32_t index, int16_t* inputs)
{
    rtas::ClearAnswers(inputs);
    return 0;
}

int32_t CProcessType::Routine17(int32_t index, int16_t* outputs)
{
    rtas::ClearAnswers(outputs);
    return 0;
}

int32_t CProcessType::Routine15(int32_t index, HostWord argument) { return ForwardToEffectProcess(index, argument); }

int32_t CProcessType::ForwardToEffectProcess(int32_t index, HostWord argument) { return 0; }

int32_t CProcessType::Routine25(int32_t index, int32_t* answer)
{
    rtas::ClearAnswers(answer);
    return 0;
}

int32_t CProcessType::SetBypass(int32_t index, int32_t bypass)
{
    CProcess* process = FindProcess(index);
    if (process == nullptr)
        return rtas::kNoSuchInstance;
    // The bypass travels as a byte: only its low 8 bits count.
    return process->SetBypass(uint8_t(bypass));
}

int32_t CProcessType::Routine59(int32_t index) { return 0; }

int32_t CProcessType::GetChunk(int32_t index, uint32_t chunkID, SFicPlugInChunk* chunk)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? rtas::kNoSuchInstance : process->GetChunk(chunkID, chunk);
}

int32_t CProcessType::SetChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? rtas::kNoSuchInstance : process->SetChunk(chunkID, chunk);
}

int32_t CProcessType::CompareChunk(int32_t index, uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? rtas::kNoSuchInstance : process->CompareChunk(chunkID, chunk, equal);
}

int32_t CProcessType::Routine71(int32_t index, int32_t flag)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? rtas::kNoSuchInstance : process->Routine71(uint8_t(flag));
}

int32_t CProcessType::Routine79(int32_t index, int16_t* answer)
{
    rtas::ClearAnswers(answer);
    return 0;
}

int32_t CProcessType::Routine92(int32_t index, int32_t* kind)
{
    if (kind != nullptr)
        *kind = GetKind();
    return 0;
}

int32_t CProcessType::GetPageTableEntryCount(int32_t index, uint32_t tableType, int32_t kind, int32_t* count)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? 0 : process->GetPageTableEntryCount(tableType, kind, count);
}

int32_t CProcessType::GetPageTableEntry(int32_t index, uint32_t tableType, int32_t kind, int32_t page, int32_t slot,
                                        int32_t* value)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? 0 : process->GetPageTableEntry(tableType, kind, page, slot, value);
}

int32_t CProcessType::HasPageTable(int32_t index, uint32_t tableType, int32_t kind, uint8_t* has)
{
    CProcess* process = FindProcess(index);
    return process == nullptr ? 0 : process->HasPageTable(tableType, kind, has);
}

int32_t CProcessType::Routine133(int32_t index, HostWord argument, int32_t* answer)
{
    if (answer != nullptr)
        *answer = 1;
    return 0;
}

int32_t CProcessType::Routine134(int32_t index, int32_t* setting) { return GetTypeSetting(setting); }

int32_t CProcessType::GetTypeSetting(int32_t* setting)
{
    int32_t answer = 0;
    GetGestalt(21, &answer);
    if (setting != nullptr)
        *setting = answer;
    return 0;
}

int32_t CProcessType::Routine137(int32_t index, int32_t* stems) { return GetStemFormats(stems); }

int32_t CProcessType::GetStemFormats(int32_t* stems)
{
    if (stems != nullptr)
        stems[0] = stems[1] = stems[2] = -100;
    int32_t claimed = 0;
    GetGestalt(29, &claimed);
    return claimed != 0 ? rtas::kStemFormatsNotReported : 0;
}

int32_t CProcessType::Routine166(int32_t index, int32_t* first, int32_t* second)
{
    if (first == nullptr || second == nullptr)
        return rtas::kNullAnswer;
    *first = *second = 0;
    return 0;
}

int32_t CProcessType::Routine167(int32_t index, int32_t* answer)
{
    if (answer == nullptr)
        return rtas::kNullAnswer;
    *answer = 0;
    return 0;
}

int32_t CProcessType::Routine172(int32_t index, const HostGUID* iid, void** object)
{
    return QueryProcessInterface(index, iid, object);
}

int32_t CProcessType::QueryProcessInterface(int32_t index, const HostGUID* iid, void** object)
{
    CProcess* process = FindProcess(index);
    if (process == nullptr)
        return rtas::kNoSuchInstance;
    if (iid == nullptr || object == nullptr)
        return rtas::kNullAnswer;
    return process->NonDelegatingQueryInterface(*iid, object);
}

int32_t CProcessType::GetTypeName(int32_t maxLength, unsigned char* name)
{
    rtas::SetPascalString(maxLength, "Unnamed", name);
    return 0;
}

int32_t CProcessType::SetSampleRate(int32_t rate)
{
    fSampleRate = rate;
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetSampleRate(rate);
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::Routine125(int32_t value)
{
    fRoutine125Value = value;
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetRoutine125Value(value);
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::SetEngineSettings(const int32_t* settings)
{
    fEngineSettingA = settings[0];
    fEngineSettingB = settings[1];
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetEngineSettings(settings);
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::Routine69(int32_t flag)
{
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetFlag69(uint8_t(flag));
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::Routine72(int32_t flag)
{
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetFlag72(uint8_t(flag));
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::Routine122(HostWord first, int32_t second)
{
    fRoutine122Value = second;
    int32_t result = 0;
    for (CProcess* process : fProcesses) {
        const int32_t answer = process->SetRoutine122Value(first, second);
        if (result == 0)
            result = answer;
    }
    return result;
}

int32_t CProcessType::GetGestalt(int32_t code, int32_t* answer)
{
    rtas::ClearAnswers(answer);
    return 0;
}

// ---- Instances ----

int32_t CProcessType::CreateProcess(int32_t* index)
{
    if (!rtas::IsOpenedThroughWinPlugInOpen())
        PreloadPageTables();
    return NewProcess(index);
}

int32_t CProcessType::AdoptNewProcess(CProcess* process, int32_t* index)
{
    // The smallest index no live instance has: walk the list, and start again whenever the candidate is taken.
    int32_t candidate = 1;
    for (size_t i = 0; i < fProcesses.size();) {
        if (fProcesses[i]->GetIndex() == candidate) {
            ++candidate;
            i = 0;
        } else {
            ++i;
        }
    }
    try {
        fProcesses.push_back(process);
    } catch (...) {
        ReleaseProcess(process);
        throw;
    }
    if (index != nullptr)
        *index = candidate;
    try {
        process->SetProcessType(this);
        process->SetFirstIdentifier(fTypeNumber);
        process->SetSecondIdentifier(int16_t(candidate));
        int32_t result = process->Initialize();
        if (result == 0)
            result = process->SetSampleRate(fSampleRate);
        if (result == 0)
            result = process->SetRoutine125Value(fRoutine125Value);
        if (result != 0) {
            DeleteProcess(candidate);
            return result;
        }
    } catch (...) {
        DeleteProcess(candidate);
        throw;
    }
    return 0;
}

int32_t CProcessType::DeleteProcess(int32_t index)
{
    CProcess* process = FindProcess(index);
    if (process == nullptr)
        return rtas::kNoSuchInstance;
    fProcesses.erase(std::find(fProcesses.begin(), fProcesses.end(), process));
    ReleaseProcess(process);
    return 0;
}

void CProcessType::ReleaseProcess(CProcess* process)
{
    process->Uninitialize();
    // An instance aggregated by an outer object lives as long as that object's references; the type held two.
    if (DOA::IUnknown* outer = process->GetOuterUnknown()) {
        outer->Release();
        outer->Release();
    } else {
        delete process;
    }
}

// ---- Page tables ----

void CProcessType::GetResourceName(unsigned char* name) const
{
    const uint32_t id = GetTypeID();
    name[0] = 4;
    name[1] = uint8_t(id >> 24);
    name[2] = uint8_t(id >> 16);
    name[3] = uint8_t(id >> 8);
    name[4] = uint8_t(id);
}

uint8_t* CProcessType::LoadPageTableResource(uint32_t resourceType, size_t* loadedSize)
{
    *loadedSize = 0;
    unsigned char name[256] = {0};
    GetResourceName(name);
    const int16_t previous = rtas::UsePlugInResourceFile();
    HostHandle found = Get1NamedResource(resourceType, name);
    auto nameMatches = [&](HostHandle resource) {
        unsigned char foundName[256] = {0};
        GetResInfo(resource, nullptr, nullptr, foundName);
        return rtas::EqualPascalStrings(foundName, name);
    };
    if (found == nullptr || !nameMatches(found)) {
        found = nullptr;
        for (int16_t i = Count1Resources(resourceType); i >= 1 && found == nullptr; --i) {
            HostHandle candidate = Get1IndResource(resourceType, i);
            if (candidate != nullptr && nameMatches(candidate))
                found = candidate;
        }
    }
    uint8_t* data = nullptr;
    if (found != nullptr) {
        DetachResource(found);
        const int32_t size = std::max<int32_t>(GetHandleSize(found), 0);
        data = new uint8_t[size_t(size) + 2];
        std::memcpy(data, *found, size_t(size));
        // Two zero bytes end every table, so a reader that walks entries always meets an end.
        data[size] = data[size + 1] = 0;
        *loadedSize = size_t(size) + 2;
        DisposeHandle(found);
    }
    rtas::ReleasePlugInResourceFile(previous);
    return data;
}

const uint8_t* CProcessType::GetPageTableResource(uint32_t resourceType, size_t* size)
{
    const uint32_t now = TickCount();
    for (PageTableEntry& entry : fPageTables) {
        if (entry.type == resourceType) {
            entry.lastUse = now;
            if (size != nullptr)
                *size = entry.size;
            return entry.data;
        }
    }
    PageTableEntry* oldest = &fPageTables[0];
    for (PageTableEntry& entry : fPageTables)
        if (entry.lastUse < oldest->lastUse)
            oldest = &entry;
    delete[] oldest->data;
    oldest->data = nullptr;
    oldest->size = 0;
    oldest->type = resourceType;
    oldest->lastUse = now;
    oldest->data = LoadPageTableResource(resourceType, &oldest->size);
    if (size != nullptr)
        *size = oldest->size;
    return oldest->data;
}

void CProcessType::PreloadPageTables()
{
    for (uint32_t resourceType : kPageTableResourceTypes)
        GetPageTableResource(resourceType);
}
