#include "effect/dsp/MathKernels.h"

#include <atomic>

#include "effect/dsp/LoopBuild.h"

namespace dsp
{
// Built with the architecture's own flags in MathKernelsAvx2.cpp; called only where the processor has AVX2.
const MathKernels& avx2MathKernels();
// The same in MathKernelsAvx512.cpp, called only where the processor has AVX-512 (F, CD, DQ and BW) and FMA.
const MathKernels& avx512MathKernels();

namespace
{
constexpr MathKernels kBaseline = LoopBuild<xsimd::sse2>::table("SSE2, two lanes");

// Each also asks whether the operating system saves the wide registers.
bool processorHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}

bool processorHasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") != 0 && __builtin_cpu_supports("avx512cd") != 0 &&
           __builtin_cpu_supports("avx512dq") != 0 && __builtin_cpu_supports("avx512bw") != 0 &&
           __builtin_cpu_supports("fma") != 0;
}

const MathKernels* const kFour = processorHasAvx2() ? &avx2MathKernels() : nullptr;
const MathKernels* const kEight = processorHasAvx512() ? &avx512MathKernels() : nullptr;
const MathKernels* const kWide = kEight != nullptr ? kEight : kFour;

// Constant-initialised to the baseline, so code run before this file's initialisers still finds kernels; upgraded
// as the library loads.
std::atomic<const MathKernels*> current{&kBaseline};

struct WidestChoice
{
    WidestChoice()
    {
        if (kWide != nullptr)
            current.store(kWide, std::memory_order_relaxed);
    }
} const widestChoice;
}  // namespace

const MathKernels& mathKernels()
{
    return *current.load(std::memory_order_relaxed);
}

const MathKernels& baselineMathKernels()
{
    return kBaseline;
}

const MathKernels* fourLaneMathKernels()
{
    return kFour;
}

const MathKernels* eightLaneMathKernels()
{
    return kEight;
}

void useMathKernels(const MathKernels& kernels)
{
    current.store(&kernels, std::memory_order_relaxed);
}
}  // namespace dsp
