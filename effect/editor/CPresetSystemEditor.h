// The editor of the preset system. Besides the preset strip (program name, menu, memories, file buttons) it owns the
// operations that move programs in and out of the effect as byte streams: the bank stream (all 48 programs), the
// preset stream (the current program) and the auxiliary stream, and the readers of the two older layouts.
// GUI or main thread; the readers reach the signal path only through the effect's setParameter.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "effect/editor/AEffGUIEditor.h"
#include "effect/editor/PresetStripControls.h"
#include "effect/presets/StreamHeader.h"
#include "gui/CControlListener.h"
#include "platform/Shell.h"

class CPresetSystemEffect;
class CFrame;

// The remembered directory and file names: at most 256 bytes of UTF-8 and a terminator.
constexpr size_t kPathBufferSize = 257;

class CPresetSystemEditor : public AEffGUIEditor, public CControlListener
{
public:
    // The remembered directory starts as the process's working directory.
    explicit CPresetSystemEditor(CPresetSystemEffect* effect);
    // Stores the remembered directory and file names (saveFileState).
    ~CPresetSystemEditor() override;

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

    // The preset strip: built into the frame the derived editor made (false without a frame or an effect), forgotten
    // at close. GUI thread.
    bool open(void* parent) override;
    void close() override;
    void idle() override;
    // The strip's commands, by tag (20 to 39). GUI thread.
    void valueChanged(CControl* control) override;

    // The preset strip's view of the bank, called by the effect and the stream readers. Any thread: off the GUI
    // thread they only note that the strip must follow the bank, which the next idle does.
    virtual void programMenuSelect(int32_t index);
    virtual void programMenuRename(int32_t index, const char* name);
    virtual void showProgramName(const char* name);
    // Marks the whole frame dirty and redraws it, the strip showing the bank as it is now.
    virtual void refreshFrame();

    // Preset and bank files, chosen in the file selector on the editor's frame. GUI thread. Every failure is
    // silent; true when a file was read (and the stream taken) or written.
    bool loadPresetFile(bool endianReversed);
    bool savePresetFile();
    bool loadBankFile(bool endianReversed);
    bool saveBankFile();
    // Splits path at its last separator (a backslash or '/') into the file name and the directory (separator
    // included), each written into a buffer of kPathBufferSize. A path without a separator, or a part too long for
    // its buffer, changes neither output; false then.
    static bool splitPath(const char* path, char* fileName, char* directory);

    // Defaults, memories and the remembered file locations in the current user's registry (a per-user store where
    // there is none). GUI or main thread. Every failure is silent and leaves the effect as it was.
    void storeDefaultBank();
    void deleteDefaultBank();
    void loadDefaultBank();
    void storeDefaultPreset();
    void deleteDefaultPreset();
    void loadDefaultPreset();
    void storeMemoA();
    void storeMemoB();
    void recallMemoA();
    void recallMemoB();
    void deleteDefaultMidi();
    void saveFileState();
    void loadFileState();
    // The default bank, program 0, the default preset over it, then the remembered file locations.
    void loadStartupDefaults();

    const char* currentDirectory() const { return currentDirectory_; }
    const char* bankFileName() const { return bankFileName_; }
    const char* presetFileName() const { return presetFileName_; }

protected:
    // The frame the file selectors open on; none until the editor has a window.
    virtual CFrame* fileSelectorFrame() { return frame_; }

    // The manual button's two steps outside the editor (tests replace them).
    virtual platform::OpenResult openManualDocument(void* window, const std::string& path);
    virtual void showStripMessage(void* ownerWindow, const char* caption, const char* text);
    // Brings the strip up to date with the bank after notices from other threads. GUI thread, frameUse_ held.
    void applyStripUpdates();

    PresetStripControls strip_;

    CPresetSystemEffect* presetEffect_;

private:
    bool loadFile(bool bank, bool endianReversed);
    bool saveFile(bool bank);
    void storeStream(const char* valueName, bool bank);
    void removeValue(const char* valueName);
    bool loadStream(const char* valueName, bool bank);
    // The strip's commands.
    void renameFromField();
    bool stepProgram(float direction);
    void chooseFromMenu(float value);
    void openManualFromStrip();
    bool stripUsable() const;
    std::unique_lock<std::recursive_mutex> enterStripNow();

    std::atomic<bool> stripResync_{false};
    std::atomic<bool> refreshPending_{false};

    char currentDirectory_[kPathBufferSize] = {};
    char bankFileName_[kPathBufferSize] = {};
    char presetFileName_[kPathBufferSize] = {};
};
