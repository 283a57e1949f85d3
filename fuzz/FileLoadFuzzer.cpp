// A whole preset or bank file, through every load entry: bank and preset, plain and endian-reversed.
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
        }
    }
    return 0;
}
