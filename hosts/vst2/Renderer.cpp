#include "hosts/vst2/Renderer.h"

#include <algorithm>
#include <vector>

namespace vst2host {
namespace {

// More pins than any effect this host renders asks for; a record claiming more is not believed.
constexpr int32_t kMaxPins = 64;

void processBlock(HostedEffect& effect, float** inputs, float** outputs, int32_t frames)
{
    effect.process(inputs, outputs, frames);
}

void processBlock(HostedEffect& effect, double** inputs, double** outputs, int32_t frames)
{
    effect.processDouble(inputs, outputs, frames);
}

template <typename Sample>
void renderBlocks(HostedEffect& effect, const AudioBuffer& input, AudioBuffer& output, int32_t blockSize)
{
    const int channels = input.channels;
    const size_t frames = input.frames();
    // The effect may read more inputs than the file has channels (say side-chain rows): those get silence,
    // and any outputs beyond ours land in scratch rows that are dropped.
    const int pins = std::max({channels, 2, effect.record()->numInputs, effect.record()->numOutputs});
    std::vector<std::vector<Sample>> in(pins, std::vector<Sample>(blockSize, Sample(0)));
    std::vector<std::vector<Sample>> out(pins, std::vector<Sample>(blockSize, Sample(0)));
    std::vector<Sample*> inputs(pins);
    std::vector<Sample*> outputs(pins);
    for (int pin = 0; pin < pins; ++pin) {
        inputs[pin] = in[pin].data();
        outputs[pin] = out[pin].data();
    }
    if (channels == 1) {
        inputs[1] = nullptr;
        outputs[1] = nullptr;
    }

    for (size_t start = 0; start < frames; start += static_cast<size_t>(blockSize)) {
        const size_t count = std::min(frames - start, static_cast<size_t>(blockSize));
        for (size_t frame = 0; frame < count; ++frame)
            for (int channel = 0; channel < channels; ++channel)
                in[channel][frame] = static_cast<Sample>(input.at(start + frame, channel));
        processBlock(effect, inputs.data(), outputs.data(), static_cast<int32_t>(count));
        for (size_t frame = 0; frame < count; ++frame)
            for (int channel = 0; channel < channels; ++channel)
                output.at(start + frame, channel) = static_cast<double>(out[channel][frame]);
    }
}

}  // namespace

bool render(HostedEffect& effect, const AudioBuffer& input, AudioBuffer& output, const RenderSettings& settings,
            std::string& error)
{
    if (!effect.isLoaded()) {
        error = "no effect is loaded";
        return false;
    }
    if (input.channels != 1 && input.channels != 2) {
        error = "only mono and stereo input can be rendered, not " + std::to_string(input.channels) + " channels";
        return false;
    }
    if (settings.blockSize < 1) {
        error = "the block size must be at least 1";
        return false;
    }
    const double rate = settings.sampleRate > 0.0 ? settings.sampleRate : input.sampleRate;
    if (rate <= 0.0) {
        error = "no sample rate to render at";
        return false;
    }
    if (effect.record()->numInputs > kMaxPins || effect.record()->numOutputs > kMaxPins) {
        error = "the effect claims more than " + std::to_string(kMaxPins) + " inputs or outputs";
        return false;
    }
    if (settings.doublePrecision ? !effect.canProcessDouble() : !effect.canProcessFloat()) {
        error = settings.doublePrecision ? "the effect cannot process in double precision"
                                         : "the effect cannot process in single precision";
        return false;
    }

    effect.suspend();
    effect.setSampleRate(static_cast<float>(rate));
    effect.setBlockSize(settings.blockSize);
    if (!effect.setSpeakerArrangement(input.channels, input.channels)) {
        error = "the effect refuses " + std::to_string(input.channels) + " in / " + std::to_string(input.channels) +
                " out";
        return false;
    }
    effect.resume();
    effect.startProcess();

    output.channels = input.channels;
    output.sampleRate = input.sampleRate;
    output.samples.assign(input.samples.size(), 0.0);
    if (settings.doublePrecision)
        renderBlocks<double>(effect, input, output, settings.blockSize);
    else
        renderBlocks<float>(effect, input, output, settings.blockSize);

    effect.stopProcess();
    effect.suspend();
    return true;
}

}  // namespace vst2host
