#include "effect/vst2/AudioEffectX.h"

#include "effect/editor/AEffEditor.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

AudioEffectX::AudioEffectX(HostCallback hostCallback, int32_t numPrograms, int32_t numParams)
    : AudioEffect(hostCallback, numPrograms, numParams)
{
}

intptr_t AudioEffectX::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    if (opcode < 25)
        return AudioEffect::dispatch(opcode, index, value, ptr, opt);

    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case 25:
        return processEvents(ptr);
    case 26:
        return canParameterBeAutomated(index) ? 1 : 0;
    case 27:
        return text && string2parameter(index, text) ? 1 : 0;
    case 29:
        return text && getProgramNameIndexed(static_cast<int32_t>(value), index, text) ? 1 : 0;
    case 33:
        return ptr && getInputProperties(index, static_cast<PinProperties*>(ptr)) ? 1 : 0;
    case 34:
        return ptr && getOutputProperties(index, static_cast<PinProperties*>(ptr)) ? 1 : 0;
    case 35:
        return getPlugCategory();
    case 38:
        return offlineNotify(ptr, static_cast<int32_t>(value), index != 0) ? 1 : 0;
    case 39:
        return offlinePrepare(ptr, static_cast<int32_t>(value)) ? 1 : 0;
    case 40:
        return offlineRun(ptr, static_cast<int32_t>(value)) ? 1 : 0;
    case 41:
        return processVariableIo(ptr) ? 1 : 0;
    case 42:
        return setSpeakerArrangement(reinterpret_cast<SpeakerArrangement*>(value),
                                     static_cast<SpeakerArrangement*>(ptr))
                   ? 1
                   : 0;
    case 44:
        return setBypass(value != 0) ? 1 : 0;
    case 45:
        return text && getEffectName(text) ? 1 : 0;
    case 47:
        return text && getVendorString(text) ? 1 : 0;
    case 48:
        return text && getProductString(text) ? 1 : 0;
    case 49:
        return getVendorVersion();
    case 50:
        return vendorSpecific(index, value, ptr, opt);
    case 51:
        return text ? canDo(text) : 0;
    case 52:
        return getGetTailSize();
    case 56:
        return ptr && getParameterProperties(index, static_cast<ParameterProperties*>(ptr)) ? 1 : 0;
    case 58:
        return getVstVersion();
    case 59:
    case 60:
        if (editor_) {
            KeyRecord key{index, static_cast<uint8_t>(value), static_cast<uint8_t>(static_cast<int32_t>(opt))};
            bool handled = opcode == 59 ? editor_->onKeyDown(key) : editor_->onKeyUp(key);
            return handled ? 1 : 0;
        }
        return 0;
    case 61:
        return editor_ && editor_->setKnobMode(value) ? 1 : 0;
    case 67:
        return beginSetProgram();
    case 68:
        return endSetProgram();
    case 69: {
        SpeakerArrangement** input = reinterpret_cast<SpeakerArrangement**>(value);
        SpeakerArrangement** output = static_cast<SpeakerArrangement**>(ptr);
        SpeakerArrangement* ignoredIn = nullptr;
        SpeakerArrangement* ignoredOut = nullptr;
        return getSpeakerArrangement(input ? input : &ignoredIn, output ? output : &ignoredOut) ? 1 : 0;
    }
    case 71:
        return startProcess();
    case 72:
        return stopProcess();
    case 73:
        return setTotalSampleToProcess(static_cast<int32_t>(value));
    case 74:
        return setPanLaw(static_cast<int32_t>(value), opt) ? 1 : 0;
    case 75:
        return beginLoadBank(ptr);
    case 76:
        return beginLoadProgram(ptr);
    case 77:
        return setProcessPrecision(static_cast<int32_t>(value)) ? 1 : 0;
    case 78:
        return getNumMidiInputChannels();
    case 79:
        return getNumMidiOutputChannels();
    default:
        return 0;
    }
}

SpeakerArrangement* AudioEffectX::allocateArrangement(int32_t numChannels)
{
    if (numChannels < 0)
        return nullptr;
    size_t size = offsetof(SpeakerArrangement, speakers) + sizeof(SpeakerProperties) * static_cast<size_t>(numChannels);
    if (size < sizeof(SpeakerArrangement))
        size = sizeof(SpeakerArrangement);
    auto* arrangement = static_cast<SpeakerArrangement*>(std::calloc(1, size));
    if (arrangement)
        arrangement->numChannels = numChannels;
    return arrangement;
}

void AudioEffectX::deallocateArrangement(SpeakerArrangement* arrangement) { std::free(arrangement); }

void AudioEffectX::copySpeaker(SpeakerProperties* to, const SpeakerProperties* from)
{
    std::memset(to->name, 0, sizeof to->name);
    std::memcpy(to->name, from->name, strnlen(from->name, sizeof to->name - 1));
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    to->type = from->type;
    std::memcpy(to->future, from->future, sizeof to->future);
}

SpeakerArrangement* AudioEffectX::copyArrangement(SpeakerArrangement* to, const SpeakerArrangement* from)
{
    deallocateArrangement(to);
    if (!from)
        return nullptr;
    SpeakerArrangement* copy = allocateArrangement(from->numChannels);
    if (!copy)
        return nullptr;
    copy->type = from->type;
    // Entries run past the declared array in an arrangement allocated for more channels.
    auto* target = reinterpret_cast<SpeakerProperties*>(reinterpret_cast<char*>(copy) + offsetof(SpeakerArrangement, speakers));
    auto* source = reinterpret_cast<const SpeakerProperties*>(reinterpret_cast<const char*>(from) +
                                                               offsetof(SpeakerArrangement, speakers));
    for (int32_t i = 0; i < from->numChannels; ++i)
        copySpeaker(target + i, source + i);
    return copy;
}
