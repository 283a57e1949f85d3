// The answers the RTAS plug-in gives the effect when it calls its host.
#include "rtas/bridge/CPluginWrapper.h"

#include "effect/vst2/Opcodes.h"

#include <cmath>
#include <cstring>

namespace {

constexpr intptr_t kHostVersion = 2;
constexpr intptr_t kCurrentUniqueId = 0x514B7670;  // 'QKvp'
constexpr intptr_t kDefaultSampleRate = 44100;
constexpr intptr_t kDefaultBlockSize = 1024;
constexpr const char* kVendorString = "QorVelmont";
constexpr const char* kProductString = "Zur2Ozer";

struct CanDoRow
{
    const char* name;
    intptr_t answer;  // negative: end of the table
};

// Searched in order, case-sensitively; the first match answers.
constexpr CanDoRow kCanDoTable[] = {
    {"sendVstEvents", 1},
    {"sendVstMidiEvent", 1},
    {"sendVstTimeInfo", 1},
    {"receiveVstEvents", 0},
    {"receiveVstMidiEvent", 0},
    {"receiveVstTimeInfo", 0},
    {"reportConnectionChanges", 0},
    {"acceptIOChanges", 0},
    {"sizeWindow", 1},
    {"asyncProcessing", 0},
    {"offline", 0},
    {"supplyIdle", 1},
    {"supportShell", 0},
    {"end", -1},
};

void copyText(void* pointer, const char* text)
{
    if (pointer != nullptr)
        std::memcpy(pointer, text, std::strlen(text) + 1);
}

// An automated value the effect reports. One outside 0..1 (or not a number) is brought into range rather than
// trusted: the effect keeps its own values in 0..1, and the host should hear the value the effect really holds.
void automate(CPluginWrapper* wrapper, int32_t index, float value)
{
    if (wrapper == nullptr || std::isnan(value))
        return;
    const float inRange = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
    if (CPluginWrapperCallback* callback = wrapper->callback())
        callback->OnParameterAutomated(index, inRange);
}

}  // namespace

intptr_t WrapperCanDo(const char* name)
{
    if (name == nullptr)
        return 0;
    for (const CanDoRow& row : kCanDoTable) {
        if (row.answer < 0)
            return 0;
        if (std::strcmp(row.name, name) == 0)
            return row.answer;
    }
    return 0;
}

intptr_t EffectHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* pointer,
                            float option)
{
    auto* wrapper = effect != nullptr ? reinterpret_cast<CPluginWrapper*>(effect->resvd1) : nullptr;
    switch (opcode) {
    case audioMasterAutomate:
        automate(wrapper, index, option);
        return 0;
    case audioMasterVersion:
        return kHostVersion;
    case audioMasterCurrentId:
        return kCurrentUniqueId;
    case audioMasterIdle:
        if (wrapper != nullptr && wrapper->callback() != nullptr)
            wrapper->callback()->OnIdle();
        return 0;
    case audioMasterPinConnected:
        // Output pins (value non-zero) from 2 on and input pins from 4 on are not connected.
        return value != 0 ? (index >= 2 ? 1 : 0) : (index >= 4 ? 1 : 0);
    case audioMasterGetTime:
        return wrapper != nullptr ? reinterpret_cast<intptr_t>(wrapper->GetTimeInfo()) : 0;
    case audioMasterGetSampleRate:
        return wrapper != nullptr ? wrapper->sampleRateHz() : kDefaultSampleRate;
    case audioMasterGetBlockSize:
        return wrapper != nullptr ? wrapper->GetBlockSize() : kDefaultBlockSize;
    case audioMasterGetVendorString:
        copyText(pointer, kVendorString);
        return 0;
    case audioMasterGetProductString:
        copyText(pointer, kProductString);
        return 0;
    case audioMasterVendorSpecific:
        return 1;
    case audioMasterCanDo:
        return WrapperCanDo(static_cast<const char*>(pointer));
    case audioMasterUpdateDisplay:
        if (wrapper != nullptr && wrapper->isReady()) {
            if (wrapper->callback() != nullptr)
                wrapper->callback()->OnDisplayUpdate();
            wrapper->setCurrentProgram(int(wrapper->Dispatch(effGetProgram, 0, 0, nullptr, 0.0f)));
        }
        return 0;
    default:
        return 0;
    }
}
