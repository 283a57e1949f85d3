// The editor of the preset system. Besides the preset strip (program name, menu, memories, file buttons) it owns the
// operations that move programs in and out of the effect as byte streams: the bank stream (all 48 programs), the
// preset stream (the current program) and the auxiliary stream, and the readers of the two older layouts.
// GUI or main thread; the readers reach the signal path only through the effect's setParameter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "effect/editor/AEffGUIEditor.h"
#include "effect/presets/StreamHeader.h"

class CPresetSystemEffect;

class CPresetSystemEditor : public AEffGUIEditor
{
public:
    explicit CPresetSystemEditor(CPresetSystemEffect* effect);

    CPresetSystemEffect* presetEffect() const { return presetEffect_; }

    // Writers: the whole stream, header included; empty when the effect has no bank.
    std::vector<uint8_t> writeBankStream();
    std::vector<uint8_t> writePresetStream();
    std::vector<uint8_t> writeAuxStream();

    // Readers. `records` holds the bytes that follow the header (`available` of them); the header is already in the
    // processor's byte order and `swap` says whether the records' 32-bit fields are byte-swapped. A reader never
    // reads past `available` or past the header's payload size. False when the stream was rejected; the bank is then
    // as it was before the call.
    bool readBankStream(const uint8_t* records, size_t available, const StreamHeader& header, bool swap);
    bool readPresetStream(const uint8_t* records, size_t available, const StreamHeader& header, bool swap);
    bool readAuxStream(const uint8_t* records, size_t available, const StreamHeader& header, bool swap);

    // Older layouts: `data` holds the bytes after the 4-byte ID and the format byte.
    bool readOldBank(const uint8_t* data, size_t available, bool swap, int32_t programCount, int32_t valuesPerProgram);
    bool readOldPreset(const uint8_t* data, size_t available, bool swap, int32_t valueCount);
    bool readOldAuxStream(const uint8_t* values, size_t available, bool swap, int32_t count);

    // The preset strip's view of the bank. Without an open window they only keep what the strip will show.
    virtual void programMenuSelect(int32_t index) {}
    virtual void programMenuRename(int32_t index, const char* name) {}
    virtual void showProgramName(const char* name) {}
    virtual void refreshFrame() {}

protected:
    CPresetSystemEffect* presetEffect_;
};
