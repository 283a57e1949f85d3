// Cost of the compressor's per-sample loop per stereo frame, at the "Default" program, in one run with what it is
// measured against: the tests' literal model of the formulas (nothing cached or skipped) and a plain copy. The
// ratios to the literal model are printed at the end. Silence after loud input must cost no more than loud input:
// denormals would show up there. The loop also runs on the narrower maths of processors without AVX-512 or AVX2.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "effect/dsp/MathKernels.h"
#include "tests/dsp/ReferenceCompressor.h"
#include "tests/dsp/TestSignals.h"

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

// The core as the effect prepares it: suspend, resume at the rate, suspend.
struct Core
{
    CompressorCore core;

    Core()
    {
        testsignals::applyToCore(core, testsignals::defaultProgram());
        core.setPower(1);
        core.reset();
        core.setSampleRate(kRate);
        core.prepare();
        core.reset();
    }

    template <typename Sample>
    void process(Sample** in, Sample** out, int32_t n) { core.process(in, out, n, true); }
};

template <typename Sample>
struct LiteralModel
{
    reference::ReferenceCompressor<Sample> model;

    LiteralModel()
    {
        model.apply(testsignals::defaultProgram());
        model.reset();
        model.setSampleRate(kRate);
        model.prepare();
        model.reset();
    }

    void process(Sample** in, Sample** out, int32_t n) { model.process(in, out, n, true); }
};

struct Copy
{
    CompressorCore core;

    template <typename Sample>
    void process(Sample** in, Sample** out, int32_t n) { core.copy(in, out, n); }
};

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

void reportPerFrame(benchmark::State& state)
{
    // Inverted rate: seconds per stereo frame.
    state.counters["time_per_frame"] =
        benchmark::Counter(kBlock, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Sample, typename Processor>
void programme(benchmark::State& state)
{
    StereoSignal<Sample> signal;
    Processor processor;
    int offset = 0;
    for (auto _ : state)
    {
        Sample* inputs[2] = {signal.left.data() + offset, signal.right.data() + offset};
        Sample* outputs[2] = {signal.outLeft.data(), signal.outRight.data()};
        processor.process(inputs, outputs, kBlock);
        benchmark::DoNotOptimize(signal.outLeft.data());
        benchmark::DoNotOptimize(signal.outRight.data());
        benchmark::ClobberMemory();
        offset += kBlock;
        if (offset + kBlock > kSignalFrames)
            offset = 0;
    }
    reportPerFrame(state);
}

// One second of loud input, then state.range(0) seconds of silence before the timing starts, then silence.
template <typename Sample>
void silenceAfterLoud(benchmark::State& state)
{
    StereoSignal<Sample> signal;
    std::vector<Sample> silence(kBlock, Sample(0));
    Core core;
    Sample* outputs[2] = {signal.outLeft.data(), signal.outRight.data()};
    for (int offset = 0; offset + kBlock <= static_cast<int>(kRate); offset += kBlock)
    {
        Sample* inputs[2] = {signal.left.data() + offset, signal.right.data() + offset};
        core.process(inputs, outputs, kBlock);
    }
    Sample* quiet[2] = {silence.data(), silence.data()};
    const int64_t preRoll = static_cast<int64_t>(state.range(0)) * static_cast<int64_t>(kRate) / kBlock;
    for (int64_t i = 0; i < preRoll; ++i)
        core.process(quiet, outputs, kBlock);
    for (auto _ : state)
    {
        core.process(quiet, outputs, kBlock);
        benchmark::DoNotOptimize(signal.outLeft.data());
        benchmark::ClobberMemory();
    }
    reportPerFrame(state);
}

void BM_LoopDouble(benchmark::State& state) { programme<double, Core>(state); }
void BM_LoopFloat(benchmark::State& state) { programme<float, Core>(state); }
void BM_LiteralModelDouble(benchmark::State& state) { programme<double, LiteralModel<double>>(state); }
void BM_LiteralModelFloat(benchmark::State& state) { programme<float, LiteralModel<float>>(state); }
void BM_CopyDouble(benchmark::State& state) { programme<double, Copy>(state); }
void BM_CopyFloat(benchmark::State& state) { programme<float, Copy>(state); }
// The loop on narrower maths than this processor's widest: two lanes, which every processor runs, and four, which
// processors with AVX2 but without AVX-512 run.
template <typename Sample>
void onKernels(benchmark::State& state, const dsp::MathKernels* kernels)
{
    if (kernels == nullptr)
    {
        state.SkipWithError("this processor does not run these maths");
        for (auto _ : state)
        {
        }
        return;
    }
    const dsp::MathKernels& widest = dsp::mathKernels();
    dsp::useMathKernels(*kernels);
    programme<Sample, Core>(state);
    dsp::useMathKernels(widest);
}

void BM_LoopDoubleTwoLanes(benchmark::State& state) { onKernels<double>(state, &dsp::baselineMathKernels()); }
void BM_LoopFloatTwoLanes(benchmark::State& state) { onKernels<float>(state, &dsp::baselineMathKernels()); }
void BM_LoopDoubleFourLanes(benchmark::State& state) { onKernels<double>(state, dsp::fourLaneMathKernels()); }
void BM_LoopFloatFourLanes(benchmark::State& state) { onKernels<float>(state, dsp::fourLaneMathKernels()); }
void BM_LoopDoubleSilenceAfterLoud(benchmark::State& state) { silenceAfterLoud<double>(state); }
void BM_LoopFloatSilenceAfterLoud(benchmark::State& state) { silenceAfterLoud<float>(state); }

// Prints the usual table, then each loop's time per frame over the literal model's in the same run, each the
// fastest of its repetitions.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            const auto counter = run.counters.find("time_per_frame");
            if (counter == run.counters.end() || run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            // Of several repetitions the fastest: whatever else the machine does only ever adds time.
            const auto known = perFrame_.find(run.benchmark_name());
            if (known == perFrame_.end() || counter->second.value < known->second)
                perFrame_[run.benchmark_name()] = counter->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* precision : {"Double", "Float"})
        {
            const auto model = perFrame_.find(std::string("BM_LiteralModel") + precision);
            const std::pair<const char*, const char*> widths[] = {
                {"", ""}, {"FourLanes", " on four lanes"}, {"TwoLanes", " on two lanes"}};
            for (const auto& [suffix, label] : widths)
            {
                const auto loop = perFrame_.find(std::string("BM_Loop") + precision + suffix);
                if (loop != perFrame_.end() && model != perFrame_.end() && model->second > 0.0)
                    std::printf("loop%s / literal model, %s: %.3f (%.1f ns / %.1f ns per stereo frame)\n", label,
                                precision, loop->second / model->second, loop->second * 1e9, model->second * 1e9);
            }
        }
    }

private:
    std::map<std::string, double> perFrame_;
};
}  // namespace

BENCHMARK(BM_LoopDouble);
BENCHMARK(BM_LoopFloat);
BENCHMARK(BM_LoopDoubleFourLanes);
BENCHMARK(BM_LoopFloatFourLanes);
BENCHMARK(BM_LoopDoubleTwoLanes);
BENCHMARK(BM_LoopFloatTwoLanes);
BENCHMARK(BM_LiteralModelDouble);
BENCHMARK(BM_LiteralModelFloat);
BENCHMARK(BM_CopyDouble);
BENCHMARK(BM_CopyFloat);
BENCHMARK(BM_LoopDoubleSilenceAfterLoud)->Arg(0)->Arg(180);
BENCHMARK(BM_LoopFloatSilenceAfterLoud)->Arg(0)->Arg(180);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("maths: %s\n", dsp::mathKernels().name);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
