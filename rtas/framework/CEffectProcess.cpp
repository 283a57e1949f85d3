#include "rtas/framework/CEffectProcess.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectType.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/SharingToken.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kSurfaceLengthOffset = 100;
constexpr int32_t kGestaltKeyInput = 5;

void WritePascal(const std::string& text, int32_t maxLength, unsigned char* out)
{
    if (out != nullptr)
        rtas::SetPascalString(std::min<int32_t>(maxLength, 255), text.c_str(), out);
}

}  // namespace

CEffectProcess::CEffectProcess() { AddChunk(kControlsStateChunk, "Complete Controls State", 0); }

CEffectProcess::~CEffectProcess()
{
    // An instance let go without Uninitialize still gives its names and listeners back.
    DeleteListeners();
    FreeControlNames();
    FreeInstanceName();
    FreeSharingArrays();
}

void CEffectProcess::AddControl(CPluginControl* control)
{
    if (control == nullptr)
        throw CDAEError(rtas::kMissingObject);
    fControls.emplace_back(control);
}

CPluginControl* CEffectProcess::GetControl(int32_t number) const
{
    if (!IsValidControl(number))
        throw CDAEError(rtas::kNoSuchControl);
    return fControls[size_t(number - 1)].get();
}

CPluginControl* CEffectProcess::FindControl(int32_t number) const
{
    return IsValidControl(number) ? fControls[size_t(number - 1)].get() : nullptr;
}

bool CEffectProcess::SetMasterBypassControl(int32_t number)
{
    fMasterBypass = number;
    CPluginControl* control = FindControl(number);
    if (control != nullptr && control->GetID() != 0)
        fExcluded.insert(control->GetID());
    return dynamic_cast<CPluginControl_Discrete*>(control) != nullptr;
}

void CEffectProcess::AddChunk(uint32_t chunkID, const char* name, int32_t size)
{
    fChunks.push_back({chunkID, name != nullptr ? name : "", size});
    if (chunkID != kControlsStateChunk && chunkID != HostFourCC("midi"))
        fHasCustomChunks = true;
}

int32_t CEffectProcess::Initialize()
{
    if (auto* type = dynamic_cast<CEffectType*>(GetProcessType())) {
        fInputStem = type->GetInputStem();
        fOutputStem = type->GetOutputStem();
        fInputChannels = type->GetInputChannels();
        fOutputChannels = type->GetOutputChannels();
        fTypeKind = type->GetKind();
        // The key input's connection number (the input count plus 1), or 0 when the type has none.
        int32_t keyInput = 0;
        if (type->GetGestalt(kGestaltKeyInput, &keyInput) == 0)
            fKeyInput = keyInput;
    }
    SetUpHook();
    int32_t excluded = 0;
    for (const auto& control : fControls)
        excluded += fExcluded.count(control->GetID()) != 0 ? 1 : 0;
    fChunkControls = CountControls() - excluded;
    fMeterSet.AttachOwner(this);
    fMeterValues.assign(size_t(fMeterSet.GetCount()), 0);
    fClips.assign(size_t(fMeterSet.GetCount()), 0);
    CDSPProcess::Initialize();
    AllocateSharingArrays();
    if (IsSharing()) {
        ReserveInstanceName();
        ReserveControlNames();
        RegisterListeners();
    }
    return 0;
}

// ---- Connections the instance answers for itself ----

int32_t CEffectProcess::CountOwnConnections(int32_t* count)
{
    if (count != nullptr)
        *count = int32_t(fOwnConnections.size());
    return 0;
}

int32_t CEffectProcess::GetOwnConnection(int32_t position, int32_t* connection)
{
    if (connection == nullptr)
        return rtas::kMissingObject;
    // Positions count from 1, as the adaptor and the host ask for them.
    if (position < 1 || position > int32_t(fOwnConnections.size()))
        return rtas::kNotImplemented;
    *connection = fOwnConnections[size_t(position - 1)];
    return 0;
}

bool CEffectProcess::IsOwnConnection(int32_t connection) const
{
    for (int32_t own : fOwnConnections)
        if (own == connection)
            return true;
    return false;
}

// ---- Meters ----

int32_t CEffectProcess::GetNumMeters(int32_t* count)
{
    if (count != nullptr)
        *count = fMeterSet.GetCount();
    return 0;
}

int32_t CEffectProcess::GetMeterValues(int32_t which, int32_t* value)
{
    // The arrays are made at Initialize; meters added later are not read.
    if (size_t(fMeterSet.GetCount()) != fMeterValues.size())
        return rtas::kUnexpected;
    fMeterSet.Read(CProcessMeterSet::kInstanceReader, fMeterValues.data(), fClips.data(), which, value, false);
    return 0;
}

int32_t CEffectProcess::GetMeterOrientation(int32_t meter, int32_t* orientation)
{
    const CProcessMeter* found = fMeterSet.GetMeter(meter);
    if (orientation != nullptr)
        *orientation = found != nullptr ? found->orientation : 0;
    return 0;
}

int32_t CEffectProcess::CountMetersOfType(int32_t meterType, int32_t* count)
{
    if (count != nullptr)
        *count = fMeterSet.CountOfType(meterType);
    return 0;
}

int32_t CEffectProcess::FindMeterOfType(int32_t meterType, int32_t n, int32_t* position)
{
    if (position != nullptr)
        *position = fMeterSet.FindOfType(meterType, n);
    return 0;
}

int32_t CEffectProcess::GetClip(uint8_t* clip)
{
    if (!fClipSeen && size_t(fMeterSet.GetCount()) == fClips.size()) {
        fMeterSet.Read(CProcessMeterSet::kInstanceReader, fMeterValues.data(), fClips.data(), -1, nullptr, false);
        for (uint8_t flag : fClips)
            fClipSeen = fClipSeen || flag != 0;
    }
    if (clip != nullptr)
        *clip = fClipSeen ? 1 : 0;
    return 0;
}

int32_t CEffectProcess::ClearClip()
{
    if (size_t(fMeterSet.GetCount()) == fClips.size())
        fMeterSet.Read(CProcessMeterSet::kInstanceReader, fMeterValues.data(), fClips.data(), -1, nullptr, true);
    fClipSeen = false;
    return 0;
}

// ---- Controls ----

int32_t CEffectProcess::GetNumControls(int32_t* count)
{
    if (count != nullptr)
        *count = CountControls();
    return 0;
}

int32_t CEffectProcess::GetControlAutomatable(int32_t number, int16_t* automatable)
{
    const CPluginControl* control = FindControl(number);
    if (automatable != nullptr)
        *automatable = control != nullptr && control->IsAutomatable() ? 1 : 0;
    return 0;
}

int32_t CEffectProcess::GetControlNumSteps(int32_t number, int32_t* steps)
{
    const CPluginControl* control = FindControl(number);
    if (steps != nullptr)
        *steps = control != nullptr ? control->GetNumSteps() : 0;
    return 0;
}

std::string CEffectProcess::GetControlNameForPurpose(int32_t number, uint32_t purpose, int32_t maxLength) const
{
    const CPluginControl* control = FindControl(number);
    return control != nullptr ? control->GetNameOfLength(maxLength) : std::string();
}

int32_t CEffectProcess::GetControlName(int32_t number, unsigned char* name)
{
    WritePascal(GetControlNameForPurpose(number, kControlNamePurpose, 31), 31, name);
    return 0;
}

int32_t CEffectProcess::GetControlNameShort(int32_t number, unsigned char* name)
{
    GetControlName(number, name);
    return 0;
}

int32_t CEffectProcess::GetControlValueFromText(int32_t number, const unsigned char* text, int32_t* value) const
{
    if (value != nullptr)
        *value = 0;
    const CPluginControl* control = FindControl(number);
    if (control == nullptr || text == nullptr)
        return 0;
    try {
        const int32_t read = control->GetValueFromText(std::string(reinterpret_cast<const char*>(text + 1), text[0]));
        if (value != nullptr)
            *value = read;
        return 0;
    } catch (const CDAEError& error) {
        return error.GetCode();
    }
}

bool CEffectProcess::IsValidControlCharacter(int32_t number, int32_t character) const
{
    const CPluginControl* control = FindControl(number);
    return control != nullptr && control->IsValidCharacter(character);
}

void CEffectProcess::SetControlDefaultValue(int32_t number, int32_t value)
{
    if (CPluginControl* control = FindControl(number))
        control->SetDefaultValue(value);
}

int32_t CEffectProcess::GetControlNameOfLength(int32_t number, int32_t maxLength, unsigned char* name)
{
    const CPluginControl* control = FindControl(number);
    WritePascal(control != nullptr ? control->GetNameOfLength(maxLength) : std::string(), maxLength, name);
    return 0;
}

int32_t CEffectProcess::GetControlValue(int32_t number, int32_t* value)
{
    const CPluginControl* control = FindControl(number);
    if (value != nullptr)
        *value = control != nullptr ? control->GetValue() : 0;
    return 0;
}

int32_t CEffectProcess::SetControlValue(int32_t number, int32_t value)
{
    if (!IsValidControl(number))
        return 0;
    if (IsSharing()) {
        // The request goes out to the control's name; the host sets the value (routine 99) in answer.
        TouchControl(number);
        SendControlToken(number, sharing::kSetValue, sharing::kControlValue, &value, nullptr);
        ReleaseControl(number);
        return 0;
    }
    UpdateControlValue(number, value);
    RedrawControl(number);
    return 0;
}

int32_t CEffectProcess::UpdateControlValue(int32_t number, int32_t value)
{
    if (CPluginControl* control = FindControl(number)) {
        control->SetValue(value);
        UpdateControlValueInAlgorithm(number);
        if (IsSharing())
            SendControlToken(number, sharing::kCurrentValue, sharing::kControlValue, &value, nullptr);
    }
    ++fChangeCounter;
    return 0;
}

int32_t CEffectProcess::NudgeControlValue(int32_t number, int32_t delta)
{
    int32_t current = 0;
    GetControlValue(number, &current);
    const int64_t sum = int64_t(current) + delta;
    const auto saturated = int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                       std::numeric_limits<int32_t>::max()));
    return SetControlValue(number, saturated);
}

int32_t CEffectProcess::IncrementControlValue(int32_t number, int32_t delta)
{
    int32_t current = 0;
    GetControlValue(number, &current);
    const int64_t sum = int64_t(current) + delta;
    return UpdateControlValue(number, int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                                   std::numeric_limits<int32_t>::max())));
}

int32_t CEffectProcess::GetControlDefaultValue(int32_t number, int32_t* value)
{
    const CPluginControl* control = FindControl(number);
    if (control == nullptr)
        return GetControlValue(number, value);
    if (value != nullptr)
        *value = control->GetDefaultValue();
    return 0;
}

int32_t CEffectProcess::GetControlAttributeA(int32_t number, int32_t* answer)
{
    const CPluginControl* control = FindControl(number);
    if (answer != nullptr)
        *answer = control != nullptr ? control->QueryA() : 0;
    return 0;
}

int32_t CEffectProcess::GetControlAttributeB(int32_t number, int32_t* answer)
{
    const CPluginControl* control = FindControl(number);
    if (answer != nullptr)
        *answer = control != nullptr ? (control->IsContinuous() ? 1 : 0) : 1;
    return 0;
}

int32_t CEffectProcess::GetControlAttributeC(int32_t number, int32_t* answer)
{
    const CPluginControl* control = FindControl(number);
    if (answer != nullptr)
        *answer = control != nullptr ? control->QueryB() : 0;
    return 0;
}

void CEffectProcess::GetControlValueText(int32_t number, int32_t value, int32_t maxLength, unsigned char* text) const
{
    const CPluginControl* control = FindControl(number);
    WritePascal(control != nullptr ? control->GetValueString(std::min<int32_t>(maxLength, 255), value) : std::string(),
                maxLength, text);
}

int32_t CEffectProcess::GetControlTextForSurface(int32_t number, int32_t value, int32_t maxLength, unsigned char* text)
{
    if (maxLength > 99)
        maxLength -= kSurfaceLengthOffset;
    GetControlValueText(number, value, std::max<int32_t>(maxLength, 0), text);
    return 0;
}

int32_t CEffectProcess::GetControlChangeCount(int32_t* count)
{
    if (count != nullptr && fChangeCounter >= 0)
        *count = fChangeCounter;
    return 0;
}

int32_t CEffectProcess::Routine23(int32_t word)
{
    if (!CanSetWord23())
        return -7152;
    fWord23 = int16_t(word);
    return 0;
}

int32_t CEffectProcess::Routine24(int32_t word)
{
    if (!CanSetWord24())
        return -7153;
    fWord24 = int16_t(word);
    return 0;
}

// ---- Bypass ----

int32_t CEffectProcess::GetMasterBypassControl(int32_t* control)
{
    if (control != nullptr)
        *control = fMasterBypass;
    return 0;
}

int32_t CEffectProcess::GetFlaggedBypassControl(int32_t flags, int32_t* control)
{
    // The type's flag word is its type setting: a host asking with a bit of it means the master bypass control.
    int32_t typeFlags = 0;
    if (CProcessType* type = GetProcessType())
        type->GetTypeSetting(&typeFlags);
    if ((typeFlags & flags) != 0)
        return GetMasterBypassControl(control);
    if (control != nullptr)
        *control = 0;
    return 0;
}

int32_t CEffectProcess::SetBypass(int32_t bypass)
{
    if (IsValidControl(fMasterBypass))
        UpdateControlValue(fMasterBypass, uint8_t(bypass) != 0 ? rtas::kControlValueMax : rtas::kControlValueMin);
    return 0;
}

int32_t CEffectProcess::GetBypass(uint8_t* bypassed)
{
    const CPluginControl* control = FindControl(fMasterBypass);
    // Bypassed means a value above the middle, as the audio path reads it; the middle itself is not bypassed.
    if (bypassed != nullptr)
        *bypassed = control != nullptr && control->GetValue() > 0 ? 1 : 0;
    return 0;
}

// ---- Chunks ----

int32_t CEffectProcess::GetChunkCount(int32_t* count)
{
    if (count != nullptr)
        *count = int32_t(fChunks.size()) - (fChunkControls <= 0 ? 1 : 0);
    return 0;
}

int32_t CEffectProcess::GetChunkID(int32_t position, uint32_t* chunkID)
{
    const int32_t index = position - 1 + (fChunkControls == 0 ? 1 : 0);
    if (index < 0 || index >= int32_t(fChunks.size()))
        return rtas::ProcessDefault<63>(chunkID);
    if (chunkID != nullptr)
        *chunkID = fChunks[size_t(index)].id;
    return 0;
}

int32_t CEffectProcess::GetChunkName(uint32_t chunkID, unsigned char* name)
{
    for (const ChunkEntry& entry : fChunks)
        if (entry.id == chunkID) {
            WritePascal(entry.name, 255, name);
            return 0;
        }
    return rtas::ProcessDefault<64>(chunkID, name);
}

std::string CEffectProcess::KeyOf(uint32_t id)
{
    const char bytes[5] = {char(id >> 24), char(id >> 16), char(id >> 8), char(id), 0};
    return std::string(bytes);  // ends at the first zero byte
}

void CEffectProcess::BuildControlsState()
{
    fParser.Clear();
    for (int32_t number = 1; number <= CountControls(); ++number) {
        const CPluginControl* control = FindControl(number);
        if (fExcluded.count(control->GetID()) != 0)
            continue;
        if (const auto* continuous = dynamic_cast<const CPluginControl_Continuous*>(control))
            fParser.AddDouble(KeyOf(control->GetID()), continuous->GetDoubleFromValue(control->GetValue()));
        else if (const auto* discrete = dynamic_cast<const CPluginControl_Discrete*>(control))
            fParser.AddLong(KeyOf(control->GetID()), rtas::ControlValueToInteger(control->GetValue(),
                                                                                  discrete->GetMinimum(),
                                                                                  discrete->GetMaximum()));
    }
}

int32_t CEffectProcess::GetChunkSize(uint32_t chunkID, int32_t* size)
{
    if (chunkID == kControlsStateChunk) {
        if (fControlsStateSize < 0) {
            BuildControlsState();
            fControlsStateSize = fParser.GetBodySize();
        }
        if (size != nullptr)
            *size = fControlsStateSize + kPlugInChunkHeaderSize;
        return 0;
    }
    if (fHasCustomChunks)
        for (const ChunkEntry& entry : fChunks)
            if (entry.id == chunkID) {
                if (size != nullptr)
                    *size = entry.size + kPlugInChunkHeaderSize;
                return 0;
            }
    return rtas::ProcessDefault<65>(chunkID, size);
}

int32_t CEffectProcess::GetChunk(uint32_t chunkID, SFicPlugInChunk* chunk)
{
    if (chunkID != kControlsStateChunk)
        return rtas::ProcessDefault<66>(chunkID, chunk);
    if (chunk == nullptr)
        return rtas::kMissingObject;
    BuildControlsState();
    // The host made the chunk as large as the size it was told; the state has the same shape every time.
    int32_t told = 0;
    GetChunkSize(chunkID, &told);
    if (!fParser.WriteChunk(chunk, size_t(told)))
        return rtas::kUnexpected;
    return 0;
}

int32_t CEffectProcess::SetChunk(uint32_t chunkID, const SFicPlugInChunk* chunk)
{
    if (chunkID != kControlsStateChunk)
        return 0;
    if (chunk == nullptr)
        return rtas::kMissingObject;
    // The host's size word is all there is to bound the chunk by.
    fParser.ReadChunk(chunk, size_t(std::max<int32_t>(chunk->size, 0)));
    for (int32_t number = 1; number <= CountControls(); ++number) {
        if (number == fMasterBypass)
            continue;
        const CPluginControl* control = FindControl(number);
        const std::string key = KeyOf(control->GetID());
        if (const auto* continuous = dynamic_cast<const CPluginControl_Continuous*>(control)) {
            double x = 0;
            if (fParser.FindDouble(key, &x))
                SetControlValue(number, continuous->GetValueFromDouble(x));
        } else if (const auto* discrete = dynamic_cast<const CPluginControl_Discrete*>(control)) {
            int32_t i = 0;
            if (fParser.FindLong(key, &i))
                SetControlValue(number, rtas::IntegerToControlValue(i, discrete->GetMinimum(), discrete->GetMaximum()));
        } else {
            return rtas::kUnexpected;
        }
    }
    return 0;
}

int32_t CEffectProcess::CompareChunk(uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal)
{
    if (equal == nullptr)
        return rtas::kMissingObject;
    *equal = 1;
    if (chunkID != kControlsStateChunk || chunk == nullptr)
        return 0;
    fParser.ReadChunk(chunk, size_t(std::max<int32_t>(chunk->size, 0)));
    for (int32_t number = 1; number <= CountControls(); ++number) {
        if (number == fMasterBypass)
            continue;
        const CPluginControl* control = FindControl(number);
        const std::string key = KeyOf(control->GetID());
        if (const auto* continuous = dynamic_cast<const CPluginControl_Continuous*>(control)) {
            double x = 0;
            if (fParser.FindDouble(key, &x) &&
                control->GetValueString(255, continuous->GetValueFromDouble(x)) !=
                    control->GetValueString(255, control->GetValue())) {
                *equal = 0;
                return 0;
            }
        } else if (const auto* discrete = dynamic_cast<const CPluginControl_Discrete*>(control)) {
            int32_t i = 0;
            const int32_t minimum = discrete->GetMinimum();
            const int32_t maximum = discrete->GetMaximum();
            if (fParser.FindLong(key, &i) &&
                rtas::IntegerToControlValue(i, minimum, maximum) !=
                    rtas::IntegerToControlValue(rtas::ControlValueToInteger(control->GetValue(), minimum, maximum),
                                                minimum, maximum)) {
                *equal = 0;
                return 0;
            }
        }
    }
    return 0;
}

// ---- Page tables ----

const uint8_t* CEffectProcess::GetPageTableData(uint32_t tableType, size_t* size)
{
    *size = 0;
    CProcessType* type = GetProcessType();
    return type != nullptr ? type->GetPageTableResource(tableType, size) : nullptr;
}

namespace {

// One entry of a page table: {kind, count c, row length r, then c values}, all 16-bit; the list ends at kind 0.
struct PageTableEntry
{
    int16_t kind = 0;
    int16_t count = 0;
    int16_t rowLength = 0;
    const uint8_t* values = nullptr;
};

int16_t ReadShort(const uint8_t* at)
{
    int16_t value = 0;
    std::memcpy(&value, at, 2);
    return value;
}

// The entry for kind (the first of that kind, else the first of kind 1; -1 takes the first). Entries that do not
// lie whole inside the data are not read.
bool FindPageTableEntry(const uint8_t* data, size_t size, int32_t kind, PageTableEntry* found)
{
    bool haveFallback = false;
    PageTableEntry fallback;
    size_t offset = 0;
    while (data != nullptr && offset + 6 <= size) {
        PageTableEntry entry;
        entry.kind = ReadShort(data + offset);
        entry.count = ReadShort(data + offset + 2);
        entry.rowLength = ReadShort(data + offset + 4);
        if (entry.kind == 0 || entry.count < 0)
            break;
        if (offset + 6 + size_t(entry.count) * 2 > size)
            break;
        entry.values = data + offset + 6;
        if (kind == -1 || entry.kind == kind) {
            *found = entry;
            return true;
        }
        if (entry.kind == 1 && !haveFallback) {
            fallback = entry;
            haveFallback = true;
        }
        offset += 6 + size_t(entry.count) * 2;
    }
    if (haveFallback)
        *found = fallback;
    return haveFallback;
}

bool HasEntryOfKind(const uint8_t* data, size_t size, int32_t kind)
{
    PageTableEntry entry;
    return FindPageTableEntry(data, size, kind, &entry) && (kind == -1 || entry.kind == kind);
}

}  // namespace

int32_t CEffectProcess::GetPageTableEntryCount(uint32_t tableType, int32_t kind, int32_t* count)
{
    if (count == nullptr)
        return 0;
    *count = 0;
    size_t size = 0;
    const uint8_t* data = GetPageTableData(tableType, &size);
    PageTableEntry entry;
    if (!FindPageTableEntry(data, size, kind, &entry))
        return 0;
    if (kind == -1) {
        *count = entry.count;
        return 0;
    }
    // Rows of the entry that fit one page of the host's kind; a page that holds no whole row has no pages.
    const int32_t rowsPerPage = entry.rowLength > 0 ? kind / entry.rowLength : 0;
    if (rowsPerPage > 0)
        *count = (entry.count + rowsPerPage - 1) / rowsPerPage;
    return 0;
}

int32_t CEffectProcess::GetPageTableEntry(uint32_t tableType, int32_t kind, int32_t page, int32_t slot,
                                          int32_t* value)
{
    if (value == nullptr)
        return 0;
    *value = 0;
    size_t size = 0;
    const uint8_t* data = GetPageTableData(tableType, &size);
    PageTableEntry entry;
    if (!FindPageTableEntry(data, size, kind, &entry) || page < 0 || slot < 0)
        return 0;
    int64_t index = -1;
    if (kind == -1) {
        if (page < entry.count && slot < entry.rowLength)
            index = int64_t(page) * entry.rowLength + slot;
    } else if (entry.rowLength > 0) {
        const int64_t pageSlots = int64_t(kind / entry.rowLength) * entry.rowLength;
        if (slot < pageSlots)
            index = int64_t(page) * pageSlots + slot;
    }
    // Only values inside the entry are read.
    if (index >= 0 && index < entry.count)
        *value = ReadShort(entry.values + index * 2);
    return 0;
}

int32_t CEffectProcess::HasPageTable(uint32_t tableType, int32_t kind, uint8_t* has)
{
    if (has == nullptr)
        return 0;
    size_t size = 0;
    const uint8_t* data = GetPageTableData(tableType, &size);
    *has = data != nullptr && (kind == -1 || HasEntryOfKind(data, size, kind)) ? 1 : 0;
    return 0;
}

// ---- The host's plug-in request record ----

int32_t CEffectProcess::SetPlugInSpec(const SFicPlugInSpec* spec)
{
    if (spec == nullptr)
        return rtas::kMissingObject;
    fSpec = *spec;
    return 0;
}

int32_t CEffectProcess::GetPlugInSpec(SFicPlugInSpec* spec)
{
    if (spec == nullptr)
        return rtas::kMissingObject;
    *spec = fSpec;
    return 0;
}
