// The compressor loop and its heaviest maths, built for the widest batches the processor runs: eight lanes with
// AVX-512, four with AVX2, else two. A value comes out with the same bits whatever the width of the batch that computed it (every
// lane goes through the same operations and nothing fuses), so the choice never shows in the sound.
#pragma once

#include <cstdint>

class CompressorCore;

namespace dsp
{
struct MathKernels
{
    const char* name;
    // The loop over one block. Audio thread; the caller holds the effect mutex.
    void (*processDouble)(CompressorCore& core, double** inputs, double** outputs, int32_t n, bool stereo);
    void (*processFloat)(CompressorCore& core, float** inputs, float** outputs, int32_t n, bool stereo);
    // The row kernels the loop uses, for tests:
    // In place, the saturation: 10 atan(x / 10) of positive samples, 10 tanh(x / 10) of the others.
    void (*saturate)(double* row, int32_t count);
    // out = flush(out * F(follow)), the output stage's factor of its follower.
    void (*applyOutputFactor)(double* out, const double* follow, int32_t count);
    // q = the detector's level of input d under ratio exponent a. Up to kMaxLevels of them are computed side by side.
    void (*detectorLevels)(const double* d, const double* a, double* q, int32_t count);
};

// The kernels in use. Any thread; no lock. Chosen as the library loads and fixed from then on (tests excepted).
const MathKernels& mathKernels();

// The two-lane build every processor runs, and the wider ones: four lanes where the processor has AVX2, eight
// where it has AVX-512 (else nullptr). Any thread; no lock.
const MathKernels& baselineMathKernels();
const MathKernels* fourLaneMathKernels();
const MathKernels* eightLaneMathKernels();

// Tests only, with no audio running: the kernels to use from now on.
void useMathKernels(const MathKernels& kernels);
}  // namespace dsp
