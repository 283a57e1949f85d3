// A whole preset or bank file, through every load entry: bank and preset, plain and endian-reversed. What a load
// takes is saved as that kind of file again and must come back whole.
#include "effect/presets/StreamDispatch.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    fuzzing::ExactCopy file(data, size);
    for (StoredKind kind : {StoredKind::Bank, StoredKind::Preset}) {
        for (bool reversed : {false, true}) {
            fuzz.reset();
            const std::vector<uint8_t> before = fuzz.bankBytes();
            if (!readStoredStream(fuzz.editor(), file.data(), file.size(), kind, reversed))
                fuzz.requireUnchanged(before, "a file");
            else
                fuzz.requireRoundTrip(kind == StoredKind::Bank ? fuzzing::SavedForm::BankStream
                                                               : fuzzing::SavedForm::PresetStream,
                                      "a file");
        }
    }
    return 0;
}
