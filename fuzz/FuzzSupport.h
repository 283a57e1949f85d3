// What every fuzz target shares: one compressor effect (editor included) for the whole run, put back to the same
// bank before each input, and the check that a refused load left the bank as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/CPresetSystemEditor.h"

namespace fuzzing {

class FuzzEffect
{
public:
    // Made on first use, after pointing the per-user store at a folder of its own: the effect reads the stored
    // defaults when it is made and stores the remembered file locations when it goes.
    static FuzzEffect& instance();

    QorFETcomp& effect() { return *effect_; }
    CPresetSystemEditor& editor() { return *effect_->presetEditor(); }

    // The bank as it was after construction, program 0 current.
    void reset();
    std::vector<uint8_t> bankBytes();
    // Aborts (a crash the fuzzer reports) when the bank differs from before.
    void requireUnchanged(const std::vector<uint8_t>& before, const char* what);

private:
    FuzzEffect();

    std::unique_ptr<QorFETcomp> effect_;
    std::vector<uint8_t> pristine_;
};

// A copy of exactly the given bytes in a buffer of its own size, so the address sanitizer sees any read past it,
// and so a reader that wrote to its input could not change what the fuzzer holds.
class ExactCopy
{
public:
    ExactCopy(const uint8_t* data, size_t size);
    uint8_t* data() { return bytes_.get(); }
    size_t size() const { return size_; }

private:
    std::unique_ptr<uint8_t[]> bytes_;
    size_t size_;
};

}  // namespace fuzzing
