#include "effect/presets/StreamDispatch.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "common/ByteReader.h"
#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/ProgramRecord.h"
#include "effect/presets/StreamHeader.h"

namespace {

constexpr size_t kLeadSize = 5;  // the unique ID and the format byte
// The older preset layout: the lead, a 24-byte name, then the values.
constexpr int64_t kOldPresetValuesStart = static_cast<int64_t>(kLeadSize + kProgramNameSize);

int32_t toCount(int64_t count)
{
    return static_cast<int32_t>(std::clamp<int64_t>(count, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool readNewerLayout(CPresetSystemEditor& editor, const uint8_t* bytes, size_t size, StoredKind kind, bool swap)
{
    if (size < kStreamHeaderSize)
        return false;
    // The header is swapped in a copy: the caller's bytes stay as they were.
    uint8_t headerBytes[kStreamHeaderSize];
    std::memcpy(headerBytes, bytes, kStreamHeaderSize);
    if (swap)
        swapStreamHeader(headerBytes);
    ByteReader headerReader(headerBytes, kStreamHeaderSize);
    StreamHeader header;
    if (!readStreamHeader(headerReader, header))
        return false;
    const uint8_t* records = bytes + kStreamHeaderSize;
    const size_t available = size - kStreamHeaderSize;
    return kind == StoredKind::Bank ? editor.readBankStream(records, available, header, swap)
                                    : editor.readPresetStream(records, available, header, swap);
}

}  // namespace

bool readStoredStream(CPresetSystemEditor& editor, const uint8_t* bytes, size_t size, StoredKind kind,
                      bool endianReversed)
{
    CPresetSystemEffect* effect = editor.presetEffect();
    if (!effect || !bytes || size < kLeadSize)
        return false;

    ByteReader lead(bytes, kLeadSize);
    uint32_t id = 0;
    lead.readUInt32(id);
    const uint32_t uniqueID = static_cast<uint32_t>(effect->getUniqueID());
    bool swap = false;
    if (id == byteSwap32(uniqueID) && id != uniqueID)
        swap = true;
    else if (id != uniqueID)
        return false;
    swap = swap != endianReversed;

    const uint8_t format = bytes[kHeaderFormatOffset];
    const int64_t whole = static_cast<int64_t>(size);
    const uint8_t* data = bytes + kLeadSize;
    const size_t available = size - kLeadSize;
    if (kind == StoredKind::Bank) {
        if (format == kFormatBankStream)
            return readNewerLayout(editor, bytes, size, kind, swap);
        if (format == kFormatOldBank)
            return editor.readOldBank(data, available, swap, kBankPrograms,
                                      toCount(((whole - static_cast<int64_t>(kLeadSize)) / kBankPrograms -
                                               static_cast<int64_t>(kProgramNameSize)) / 4));
        return false;
    }
    if (format == kFormatPresetStream)
        return readNewerLayout(editor, bytes, size, kind, swap);
    if (format == kFormatOldPreset)
        return editor.readOldPreset(data, available, swap, toCount((whole - kOldPresetValuesStart) / 4));
    return false;
}
