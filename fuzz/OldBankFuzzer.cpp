// The older bank layout with any program count and value count, not only those a file's size gives: byte 0 is
// the program count (0 to 63), byte 1 the value count (-128 to 127), bit 0 of byte 2 the byte order; the rest is
// the layout. A bank it takes is saved as the bank stream this system writes and must come back whole.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kPrefix = 3;
    if (size < kPrefix)
        return 0;
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    fuzz.reset();
    const std::vector<uint8_t> before = fuzz.bankBytes();
    const int32_t programs = data[0] % 64;
    const int32_t values = static_cast<int8_t>(data[1]);
    const bool swap = (data[2] & 1) != 0;
    fuzzing::ExactCopy layout(data + kPrefix, size - kPrefix);
    if (!fuzz.editor().readOldBank(layout.data(), layout.size(), swap, programs, values))
        fuzz.requireUnchanged(before, "an older bank");
    else
        fuzz.requireRoundTrip(fuzzing::SavedForm::BankStream, "an older bank");
    return 0;
}
