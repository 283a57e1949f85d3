#include "fuzz/StreamFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::fuzzStream(data, size, "a bank stream", true, fuzzing::SavedForm::BankStream,
                        [](CPresetSystemEditor& editor, const uint8_t* records, size_t available,
                           const StreamHeader& header, bool swap) {
                            return editor.readBankStream(records, available, header, swap);
                        });
    return 0;
}
