// The auxiliary stream reaches parameters 16 and up only: it must never change the bank, accepted or not.
#include "fuzz/StreamFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::fuzzStream(data, size, "an auxiliary stream", false, fuzzing::SavedForm::Chunk,
                        [](CPresetSystemEditor& editor, const uint8_t* records, size_t available,
                           const StreamHeader& header, bool swap) {
                            return editor.readAuxStream(records, available, header, swap);
                        });
    return 0;
}
