// What every fuzz target shares: one compressor effect (editor included) for the whole run, put back to the same
// bank before each input; the check that a refused load left the bank as it was; and the check that an accepted
// state comes back whole when it is saved and loaded into a fresh instance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/CPresetSystemEditor.h"

namespace fuzzing {

// How a target's accepted state is saved: the host's chunk, or the stream a bank or preset file (or stored value)
// holds.
enum class SavedForm
{
    Chunk,
    BankStream,
    PresetStream,
};

// Whether the values of the parameters no saved state carries (3, 7, 14 and 15) take part in the comparison. Every
// reader of stored state leaves them at the template's values, so they are compared after a load; a host's
// set-parameter stores them into the program as they come, so after a host drove the effect they cannot come back.
enum class UnsavedParameters
{
    Compared,
    SetByHost,
};

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

    // After an accepted load: saves the state in `form` and as the host's chunk, loads each into a fresh instance
    // and saves that again. Aborts unless the fresh instance takes it, saves the same bytes, and holds the same
    // programs, names, current program and parameter values.
    void requireRoundTrip(SavedForm form, const char* what,
                          UnsavedParameters unsaved = UnsavedParameters::Compared);

private:
    FuzzEffect();
    void roundTrip(QorFETcomp& source, SavedForm form, const char* what, UnsavedParameters unsaved);

    std::unique_ptr<QorFETcomp> effect_;
    // The instance a saved state is loaded into, put back to the state of a new one before each load.
    std::unique_ptr<QorFETcomp> fresh_;
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
