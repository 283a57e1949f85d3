// The chunk a host hands back: the stream form (format word, ID, bank stream) and the older raw bank form. A chunk
// it takes must come back byte for byte from a fresh instance.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x7FFFFFFF)
        return 0;
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    fuzz.reset();
    const std::vector<uint8_t> before = fuzz.bankBytes();
    fuzzing::ExactCopy chunk(data, size);
    const int32_t result = fuzz.effect().setChunk(chunk.data(), static_cast<int32_t>(size), false);
    if (result != 0 && result != -1)
        __builtin_trap();
    if (result != 0)
        fuzz.requireUnchanged(before, "setChunk");
    else
        fuzz.requireRoundTrip(fuzzing::SavedForm::Chunk, "setChunk");
    return 0;
}
