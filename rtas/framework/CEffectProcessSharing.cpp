// The instance in the host's data-sharing service: a name for the instance and one per control, three listeners
// per control, and the tokens by which control surfaces and other instances read, set, touch and highlight
// controls. Main thread, under the group's context lock.
#include "rtas/framework/CEffectProcess.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CEffectGroup.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/SharingTokenReader.h"
#include "rtas/framework/host/EngineServices.h"
#include "rtas/framework/host/SharingToken.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <set>
#include <string>

namespace {

constexpr int16_t kValueTokenSize = 42;
constexpr int16_t kTouchTokenSize = 44;
constexpr int16_t kAttentionTokenSize = 38;
constexpr uint32_t kIdleTicks = 2;

// Task values handed to listeners that are still valid: a token queued before its instance went names a pair that
// is gone, and is then left alone rather than followed.
std::set<const void*>& LiveTaskValues()
{
    static std::set<const void*> live;
    return live;
}

void Check(int32_t result)
{
    if (result != 0)
        throw CDAEError(int16_t(result));
}

// Brackets a block in which the plug-in's resource file is the current one.
struct ResourceFileCurrent
{
    ResourceFileCurrent() : previous(rtas::UsePlugInResourceFile()) {}
    ~ResourceFileCurrent() { rtas::ReleasePlugInResourceFile(previous); }
    int16_t previous;
};

}  // namespace

std::string CEffectProcess::GetSharingBaseName() const
{
    if (auto* group = dynamic_cast<CEffectGroup*>(rtas::GetModuleGroup())) {
        char name[256] = {};
        group->GetSharingBaseName(name);
        return name;
    }
    return "Plug-Ins/Undefined BaseName";
}

void CEffectProcess::AllocateSharingArrays()
{
    auto* group = dynamic_cast<CProcessGroup*>(rtas::GetModuleGroup());
    fSharingTask = group != nullptr ? group->GetSharingTaskObject() : 0;
    if (fSharingTask == 0)
        return;
    ResourceFileCurrent current;
    const size_t entries = size_t(CountControls()) + 2;
    fControlNameIDs.assign(entries, 0);
    fCurrentValueListeners.assign(entries, 0);
    fGetValueListeners.assign(entries, 0);
    fHighlightListeners.assign(entries, 0);
    fTouchCounts.assign(entries, 0);
    fTaskValues.reset(new TaskValuePair[entries]);
    for (size_t i = 0; i < entries; ++i) {
        fTaskValues[i] = {this, int32_t(i)};
        LiveTaskValues().insert(&fTaskValues[i]);
    }
}

void CEffectProcess::FreeSharingArrays()
{
    if (fTaskValues)
        for (size_t i = 0; i < fControlNameIDs.size(); ++i)
            LiveTaskValues().erase(&fTaskValues[i]);
    fTaskValues.reset();
    fControlNameIDs.clear();
    fCurrentValueListeners.clear();
    fGetValueListeners.clear();
    fHighlightListeners.clear();
    fTouchCounts.clear();
}

void CEffectProcess::ReserveInstanceName()
{
    FreeControlNames();
    FreeInstanceName();
    const std::string name = GetSharingBaseName() + "/Inst" + std::to_string(rtas::GetInstancesCreated());
    Check(FicSDSReserveName(0, name.c_str(), &fInstanceNameID));
}

void CEffectProcess::ReserveControlNames()
{
    for (int32_t number = 1; number <= CountControls(); ++number) {
        unsigned char name[256] = {};
        GetControlName(number, name);
        const std::string text(reinterpret_cast<const char*>(name + 1), name[0]);
        Check(FicSDSReserveName(fInstanceNameID, text.c_str(), &fControlNameIDs[size_t(number)]));
    }
    Check(FicSDSLookupName("", &fRootNameID));
}

void CEffectProcess::RegisterListeners()
{
    struct Kind
    {
        uint32_t type;
        uint32_t subtype;
        std::vector<HostWord>* handles;
    } kinds[] = {{sharing::kCurrentValue, sharing::kControlValue, &fCurrentValueListeners},
                 {sharing::kGetValue, sharing::kControlValue, &fGetValueListeners},
                 {sharing::kSetValue, sharing::kHighlight, &fHighlightListeners}};
    for (int32_t number = 1; number <= CountControls(); ++number)
        for (const Kind& kind : kinds) {
            FicSDSListenerSpec spec{};
            spec.nameID = fControlNameIDs[size_t(number)];
            spec.latest = 1;
            spec.taskValue = reinterpret_cast<HostWord>(&fTaskValues[size_t(number)]);
            spec.task = fSharingTask;
            spec.protocol = sharing::kControlProtocol;
            spec.manufacturer = sharing::kManufacturerCode;
            spec.type = kind.type;
            spec.subtype = kind.subtype;
            if (FicSDSNewListener(&spec, &(*kind.handles)[size_t(number)]) != 0)
                throw CDAEError(rtas::kMissingObject);
        }
}

void CEffectProcess::DeleteListeners()
{
    for (std::vector<HostWord>* handles : {&fCurrentValueListeners, &fGetValueListeners, &fHighlightListeners})
        for (HostWord& handle : *handles) {
            if (handle != 0)
                FicSDSDeleteListener(handle);
            handle = 0;
        }
}

void CEffectProcess::FreeControlNames()
{
    for (int32_t& id : fControlNameIDs) {
        if (id != 0)
            FicSDSFreeName(id);
        id = 0;
    }
}

void CEffectProcess::FreeInstanceName()
{
    if (fInstanceNameID != 0)
        FicSDSFreeName(fInstanceNameID);
    fInstanceNameID = 0;
}

void CEffectProcess::Uninitialize()
{
    if (!fControlNameIDs.empty()) {
        ResourceFileCurrent current;
        DeleteListeners();
        FreeControlNames();
        FreeInstanceName();
        FreeSharingArrays();
    }
    fSharingTask = 0;
    CDSPProcess::Uninitialize();
}

int32_t CEffectProcess::GetInstanceNameID(int32_t* nameID)
{
    if (nameID != nullptr)
        *nameID = fInstanceNameID;
    return 0;
}

int32_t CEffectProcess::GetControlNameID(int32_t control, int32_t* nameID)
{
    if (nameID != nullptr)
        *nameID = IsValidControl(control) && size_t(control) < fControlNameIDs.size() ? fControlNameIDs[size_t(control)] : 0;
    return 0;
}

void CEffectProcess::SendControlToken(int32_t control, uint32_t type, uint32_t subtype, const int32_t* value,
                                      const int32_t* touch)
{
    uint8_t token[sharing::kCapacity] = {};
    const bool attention = subtype == sharing::kGiveAttention;
    const int32_t name = attention ? fRootNameID : fControlNameIDs[size_t(control)];
    sharing::PutWord(token, sharing::kDestination, uint32_t(name));
    sharing::PutWord(token, sharing::kType, type);
    sharing::PutWord(token, sharing::kSubtype, subtype);
    sharing::PutWord(token, sharing::kManufacturer, sharing::kManufacturerCode);
    sharing::PutWord(token, sharing::kProtocol, sharing::kControlProtocol);
    sharing::PutWord(token, sharing::kSource, uint32_t(attention ? fInstanceNameID : name));
    int16_t size = kAttentionTokenSize;
    if (value != nullptr) {
        sharing::PutWord(token, sharing::kPayload, uint32_t(*value));
        size = kValueTokenSize;
    } else if (touch != nullptr) {
        sharing::PutShort(token, sharing::kPayload, 1);
        sharing::PutWord(token, sharing::kPayload + 2, uint32_t(*touch));
        size = kTouchTokenSize;
    }
    sharing::PutShort(token, sharing::kSize, size);
    FicSDSDispatchToken(token, size);
}

void CEffectProcess::TouchControl(int32_t control)
{
    if (!IsSharing() || !IsValidControl(control))
        return;
    if (fTouchCounts[size_t(control)] == 0) {
        const int32_t touched = 1;
        SendControlToken(control, sharing::kSetValue, sharing::kTouch, nullptr, &touched);
        SendControlToken(control, sharing::kSetValue, sharing::kGiveAttention, nullptr, nullptr);
    }
    ++fTouchCounts[size_t(control)];
}

void CEffectProcess::ReleaseControl(int32_t control)
{
    if (!IsSharing() || !IsValidControl(control) || fTouchCounts[size_t(control)] <= 0)
        return;
    if (--fTouchCounts[size_t(control)] == 0) {
        const int32_t released = 0;
        SendControlToken(control, sharing::kSetValue, sharing::kTouch, nullptr, &released);
    }
}

int32_t CEffectProcess::HandleIdleEvent()
{
    Idle();
    return 0;
}

void CEffectProcess::Idle()
{
    if (const rtas::RootViewServices* views = rtas::GetRootViewServices(); views != nullptr && GetRootView() != nullptr)
        views->idle(GetRootView());
    if (!IsSharing())
        return;
    const uint32_t start = TickCount();
    while (TickCount() - start < kIdleTicks) {
        void* token = nullptr;
        HostWord taskValue = 0;
        if (FicSDSGetNextToken(fSharingTask, &token, &taskValue) != 0)
            break;
        HandleToken(static_cast<const uint8_t*>(token), taskValue);
        FicSDSReturnToken(token);
    }
    FicPersonalityIdle();
}

void CEffectProcess::HandleToken(const uint8_t* token, HostWord taskValue)
{
    const auto* pair = reinterpret_cast<const TaskValuePair*>(taskValue);
    if (LiveTaskValues().count(pair) == 0) {
        HandleSharingToken(token);
        return;
    }
    CEffectProcess& instance = *pair->instance;
    const int32_t control = pair->control;
    const sharing::TokenReader reader(token);
    const uint32_t type = reader.Type();
    const uint32_t subtype = reader.Subtype();
    if (type == sharing::kCurrentValue && subtype == sharing::kControlValue) {
        instance.RedrawControl(control);
    } else if (type == sharing::kGetValue && subtype == sharing::kControlValue) {
        int32_t value = 0;
        instance.GetControlValue(control, &value);
        instance.SendControlToken(control, sharing::kCurrentValue, sharing::kControlValue, &value, nullptr);
    } else if (type == sharing::kSetValue && subtype == sharing::kHighlight) {
        // A request too short for its fields is dropped: nothing past the token's end is read.
        sharing::HighlightRequest request;
        if (reader.ReadHighlight(&request))
            instance.SetControlHighlight(control, request.on, request.first, request.second, request.colour);
    } else {
        HandleSharingToken(token);
    }
}
