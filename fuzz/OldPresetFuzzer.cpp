// The older preset layout with any value count: byte 0 is the value count (-128 to 127), bit 0 of byte 1 the byte
// order; the rest is the layout. A preset it takes is saved as the preset stream this system writes and must come
// back whole.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kPrefix = 2;
    if (size < kPrefix)
        return 0;
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    fuzz.reset();
    const std::vector<uint8_t> before = fuzz.bankBytes();
    const int32_t values = static_cast<int8_t>(data[0]);
    const bool swap = (data[1] & 1) != 0;
    fuzzing::ExactCopy layout(data + kPrefix, size - kPrefix);
    if (!fuzz.editor().readOldPreset(layout.data(), layout.size(), swap, values))
        fuzz.requireUnchanged(before, "an older preset");
    else
        fuzz.requireRoundTrip(fuzzing::SavedForm::PresetStream, "an older preset");
    return 0;
}
