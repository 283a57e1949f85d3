// Cost of the compressor's per-sample loop per stereo frame, against a plain copy, at the "Default" program.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "effect/dsp/CompressorCore.h"

namespace
{
constexpr int32_t kBlock = 512;
constexpr float kRate = 44100.0f;
constexpr int kSignalFrames = 4 * 44100;

// Decaying bursts of sine plus noise, alternating loud and quiet sections, so the detector works as it does on
// programme material and the core applies real gain reduction.
std::vector<double> burstSignal(unsigned seed, double frequency)
{
    std::vector<double> out(kSignalFrames);
    uint32_t state = seed;
    const double pi = 3.141592653589793;
    for (int i = 0; i < kSignalFrames; ++i)
    {
        state = state * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(state >> 8) / 8388608.0) - 1.0;
        const int burst = i / 11025;
        const double level = (burst % 2 == 0) ? 0.9 : 0.05;
        const double decay = std::exp(-static_cast<double>(i % 11025) / 4000.0);
        out[i] = level * decay * (0.7 * std::sin(2.0 * pi * frequency * i / 44100.0) + 0.3 * noise);
    }
    return out;
}

void setDefaultProgram(CompressorCore& core)
{
    core.setAttack(0.5f);
    core.setRelease(0.5f);
    core.setSideChainFilterOn(0.0f);
    core.setSideChainFilter(0.5f);
    core.setRatio(0.5f);
    core.setThreshold(0.625f);
    core.setMakeup(0.375f);
    core.setChannel(0.5f);
    core.setLink(1.0f);
    core.setBlendOn(0.0f);
    core.setBlend(0.75f);
    core.setPower(1);
    core.reset();
    core.setSampleRate(kRate);
    core.prepare();
    core.reset();
}

template <typename Sample>
struct StereoSignal
{
    std::vector<Sample> left;
    std::vector<Sample> right;
    std::vector<Sample> outLeft = std::vector<Sample>(kBlock);
    std::vector<Sample> outRight = std::vector<Sample>(kBlock);

    StereoSignal()
    {
        const std::vector<double> l = burstSignal(1u, 220.0);
        const std::vector<double> r = burstSignal(7u, 330.0);
        left.assign(l.begin(), l.end());
        right.assign(r.begin(), r.end());
    }
};

template <typename Sample, typename Run>
void runBlocks(benchmark::State& state, Run run)
{
    StereoSignal<Sample> signal;
    CompressorCore core;
    setDefaultProgram(core);
    int offset = 0;
    for (auto _ : state)
    {
        Sample* inputs[2] = {signal.left.data() + offset, signal.right.data() + offset};
        Sample* outputs[2] = {signal.outLeft.data(), signal.outRight.data()};
        run(core, inputs, outputs);
        benchmark::DoNotOptimize(signal.outLeft.data());
        benchmark::DoNotOptimize(signal.outRight.data());
        benchmark::ClobberMemory();
        offset += kBlock;
        if (offset + kBlock > kSignalFrames)
            offset = 0;
    }
    // Inverted rate: seconds per stereo frame.
    state.counters["time_per_frame"] =
        benchmark::Counter(kBlock, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CompressorLoopDouble(benchmark::State& state)
{
    runBlocks<double>(state, [](CompressorCore& core, double** in, double** out) {
        core.process(in, out, kBlock, true);
    });
}

void BM_CompressorLoopFloat(benchmark::State& state)
{
    runBlocks<float>(state, [](CompressorCore& core, float** in, float** out) {
        core.process(in, out, kBlock, true);
    });
}

void BM_CopyDouble(benchmark::State& state)
{
    runBlocks<double>(state, [](CompressorCore& core, double** in, double** out) { core.copy(in, out, kBlock); });
}

void BM_CopyFloat(benchmark::State& state)
{
    runBlocks<float>(state, [](CompressorCore& core, float** in, float** out) { core.copy(in, out, kBlock); });
}
}  // namespace

BENCHMARK(BM_CompressorLoopDouble);
BENCHMARK(BM_CompressorLoopFloat);
BENCHMARK(BM_CopyDouble);
BENCHMARK(BM_CopyFloat);

BENCHMARK_MAIN();
