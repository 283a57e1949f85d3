#include "hosts/rtas/rtashost/Render.h"

#include "hosts/rtas/KitControl.h"
#include "rtas/framework/AudioSuiteSupport.h"

#include <algorithm>

namespace rtashost {
namespace {

// A type that answers gestalt 5 gives its instances a key (side-chain) input port after the audio inputs.
constexpr int32_t kKeyInputGestalt = 5;

}  // namespace

Channels renderRealTime(Instance& instance, const Channels& input, int outputChannels, int buffer)
{
    const PlugInSession& session = instance.session();
    const PlugInType& type = instance.type();
    const int32_t index = instance.index();
    const size_t frames = input.empty() ? 0 : input[0].size();
    const size_t inputCount = input.size();
    const size_t outputCount = static_cast<size_t>(outputChannels);

    void* plugIn = QorKitFindPlugIn(type.typeID, index);
    if (plugIn == nullptr)
        throw HostError("the instance published no plug-in object to the engine");
    int32_t keyInput = 0;
    check(session.routine<93>()(type.number, kKeyInputGestalt, &keyInput), "asking the type's key input");

    // The host wires the instance's connections once; the engine's render points them at each buffer.
    std::vector<rtas::SConnectionRecord> inputRecords(inputCount);
    std::vector<rtas::SConnectionRecord> outputRecords(outputCount);
    for (size_t c = 0; c < inputCount; ++c)
        check(session.routine<30>()(type.number, index, int32_t(c + 1), &inputRecords[c]), "connecting an input");
    for (size_t c = 0; c < outputCount; ++c)
        check(session.routine<32>()(type.number, index, int32_t(c + 1), &outputRecords[c]), "connecting an output");

    Channels source = input;
    Channels output(outputCount, std::vector<float>(frames));
    for (size_t from = 0; from < frames; from += size_t(buffer)) {
        // The host's current quantum is this buffer's length; the last one may be short.
        const int32_t length = int32_t(std::min(size_t(buffer), frames - from));
        std::vector<float*> slots;
        for (size_t c = 0; c < inputCount; ++c)
            slots.push_back(source[c].data() + from);
        // The key input's port, with nothing connected.
        if (keyInput != 0)
            slots.push_back(nullptr);
        for (size_t c = 0; c < outputCount; ++c)
            slots.push_back(output[c].data() + from);
        int32_t answer = -1;
        if (QorKitRenderOnce(plugIn, slots.data(), int32_t(slots.size()), nullptr, 0, length, &answer) != 0)
            throw HostError("the engine cannot render the instance's plug-in object");
        if (answer != 0)
            throw HostError("the instance's render answered " + std::to_string(answer));
    }
    for (size_t c = 0; c < inputCount; ++c)
        session.routine<31>()(type.number, index, int32_t(c + 1));
    for (size_t c = 0; c < outputCount; ++c)
        session.routine<33>()(type.number, index, int32_t(c + 1));
    return output;
}

}  // namespace rtashost
