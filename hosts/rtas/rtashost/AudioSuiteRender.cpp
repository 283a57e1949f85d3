#include "hosts/rtas/rtashost/Render.h"

#include "rtas/framework/AudioSuiteSupport.h"

#include <algorithm>

namespace rtashost {

Channels renderAudioSuite(Instance& instance, const Channels& input, int outputChannels, int buffer)
{
    const PlugInSession& session = instance.session();
    const uint32_t type = instance.type().number;
    const int32_t index = instance.index();
    const size_t frames = input.empty() ? 0 : input[0].size();
    const int inputChannels = int(input.size());

    const size_t inputCount = static_cast<size_t>(inputChannels);
    const size_t outputCount = static_cast<size_t>(outputChannels);
    const size_t bufferLength = static_cast<size_t>(buffer);
    std::vector<rtas::SConnectionRecord> inputs(inputCount);
    std::vector<rtas::SConnectionRecord> outputs(outputCount);
    Channels inputBuffers(inputCount, std::vector<float>(bufferLength));
    Channels outputBuffers(outputCount, std::vector<float>(bufferLength));
    for (int c = 0; c < inputChannels; ++c)
        check(session.routine<30>()(type, index, c + 1, &inputs[size_t(c)]), "connecting an input");
    for (int c = 0; c < outputChannels; ++c)
        check(session.routine<32>()(type, index, c + 1, &outputs[size_t(c)]), "connecting an output");
    // A new render: the instance starts its priming again.
    rtas::SConnectionRecord shared{};
    check(session.routine<101>()(type, index, reinterpret_cast<HostWord>(&shared)), "resetting the connections");

    Channels output(outputCount, std::vector<float>(frames));
    size_t written = 0;
    // Priming may take buffers that give no output; more of them than the plug-in's rows hold means it never will.
    int idleRenders = 0;
    const int mostIdleRenders = 65536 / buffer + 2;
    while (written < frames) {
        // Where the instance wants its input from for this output position.
        int32_t position[2] = {1, int32_t(written)};
        check(session.routine<103>()(type, index, reinterpret_cast<HostWord>(position)), "asking the input position");
        const size_t from = size_t(std::max<int32_t>(position[1], 0));
        for (int c = 0; c < inputChannels; ++c) {
            std::vector<float>& in = inputBuffers[size_t(c)];
            // Past the end of the file the input is silence, so the effect's tail is rendered too.
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = from + i < frames ? input[size_t(c)][from + i] : 0.0f;
            inputs[size_t(c)].buffer = in.data();
            inputs[size_t(c)].sampleCount = buffer;
        }
        for (int c = 0; c < outputChannels; ++c) {
            outputs[size_t(c)].buffer = outputBuffers[size_t(c)].data();
            outputs[size_t(c)].sampleCount = 0;
        }
        int32_t produced = 0;
        check(session.routine<105>()(type, index, &produced), "rendering");
        produced = std::clamp<int32_t>(produced, 0, buffer);
        if (produced == 0 && ++idleRenders > mostIdleRenders)
            throw HostError("the plug-in renders no output");
        const size_t take = std::min(size_t(produced), frames - written);
        for (int c = 0; c < outputChannels; ++c)
            std::copy_n(outputBuffers[size_t(c)].begin(), take, output[size_t(c)].begin() + long(written));
        written += take;
    }
    for (int c = 0; c < inputChannels; ++c)
        session.routine<31>()(type, index, c + 1);
    for (int c = 0; c < outputChannels; ++c)
        session.routine<33>()(type, index, c + 1);
    return output;
}

}  // namespace rtashost
