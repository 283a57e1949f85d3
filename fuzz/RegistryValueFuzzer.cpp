// A registry value as the defaults and memories are loaded (no endian-reversed entry), and the same bytes as the
// per-user store's value file on disk, whose stream values are then loaded by their names.
// A value it takes must come back whole when saved as that kind of value again.
#include "effect/presets/RegistryNames.h"
#include "effect/presets/StreamDispatch.h"
#include "fuzz/FuzzSupport.h"
#include "platform/posix/ValueFile.h"

namespace {

void loadValue(fuzzing::FuzzEffect& fuzz, const uint8_t* bytes, size_t size, StoredKind kind)
{
    fuzz.reset();
    const std::vector<uint8_t> before = fuzz.bankBytes();
    fuzzing::ExactCopy value(bytes, size);
    if (!readStoredStream(fuzz.editor(), value.data(), value.size(), kind, false))
        fuzz.requireUnchanged(before, "a registry value");
    else
        fuzz.requireRoundTrip(kind == StoredKind::Bank ? fuzzing::SavedForm::BankStream
                                                       : fuzzing::SavedForm::PresetStream,
                              "a registry value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::FuzzEffect& fuzz = fuzzing::FuzzEffect::instance();
    loadValue(fuzz, data, size, StoredKind::Bank);
    loadValue(fuzz, data, size, StoredKind::Preset);

    platform::StoredValues values;
    platform::decodeValueFile(data, size, values);
    const struct
    {
        const char* name;
        StoredKind kind;
    } streams[] = {
        {presetregistry::kDefaultBank, StoredKind::Bank},
        {presetregistry::kDefaultPreset, StoredKind::Preset},
        {presetregistry::kMemoA, StoredKind::Preset},
        {presetregistry::kMemoB, StoredKind::Preset},
    };
    for (const auto& stream : streams) {
        const auto it = values.find(stream.name);
        if (it != values.end() && it->second.type == platform::ValueType::Binary)
            loadValue(fuzz, it->second.data.data(), it->second.data.size(), stream.kind);
    }
    return 0;
}
