// The preset system between the VST 2 base and the compressor: the internal bank of 48 programs, the current
// internal program, the template program, program names as hosts see them, and the effect chunk hosts save.
// Hosts see one program and 16 parameters; the 48 programs are chosen in the effect's editor.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "effect/presets/ProgramRecord.h"
#include "effect/vst2/AudioEffectX.h"
#include "platform/Mutex.h"

class CPresetSystemEditor;

constexpr int32_t kChunkFormatStreams = 0x02000000;
constexpr int32_t kChunkFormatRawBank = 0x01000000;
constexpr size_t kChunkBufferSize = 32689;
constexpr size_t kRawBankSize = 4256;
constexpr size_t kRawBankHeaderSize = 32;

class CPresetSystemEffect : public AudioEffectX
{
public:
    explicit CPresetSystemEffect(HostCallback hostCallback);
    ~CPresetSystemEffect() override;

    // Operations the preset editor and the streams use. GUI or main thread. Those that change the bank or the
    // current program hold the bank lock; values reach the signal path through setParameter, which takes the effect
    // mutex. The caller holds the bank lock around getCurrentProgramIndex and program when another thread may
    // change them.
    virtual int32_t getCurrentProgramIndex() { return currentInternalProgram_; }
    virtual void setCurrentProgram(int32_t index);
    virtual void renameCurrentProgram(const char* name);
    virtual int32_t getUniqueID() { return record_.uniqueID; }
    virtual void resetProgramToTemplate(int32_t index);
    virtual bool isExcludedFromPreset(int32_t index) { return false; }
    virtual bool isExcludedOnLoad(int32_t index) { return false; }
    virtual void fillFactoryBank() {}

    // The bank (null when it could not be had) and one program of it.
    ProgramRecord* bank() { return bank_.get(); }
    ProgramRecord* program(int32_t index)
    {
        return bank_ && index >= 0 && index < kBankPrograms ? &bank_[index] : nullptr;
    }
    const ProgramRecord& templateProgram() const { return template_; }
    // Takes the current program 0 as the template (after the factory fill).
    void takeTemplate();
    bool isLoading() const { return loading_; }
    float processingRate() const { return processingRate_; }

    // The preset-system editor that builds and reads the streams; null without an editor.
    CPresetSystemEditor* presetEditor();

    // The bank lock: guards the bank, the current internal program and the loading flag against setParameter on
    // another thread (host automation while the host saves or restores its session). Held around every read and
    // write of them; setParameter waits for it within its 500 ms. Recursive, since a program change pushes its
    // values through setParameter on the same thread. The audio path never takes it. Null when the operating system
    // could not create it; every lock step is then skipped.
    platform::Mutex* bankMutex() const { return bankMutex_.get(); }

    // AudioEffect overrides. The host's GUI or main thread (setParameter and getParameter: any thread); those that
    // touch the bank or the current program hold the bank lock.
    void setProgram(int32_t program) override {}
    void getProgramName(char* name) override;
    void setProgramName(char* name) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    int32_t getChunk(void** data, bool isPreset) override;
    int32_t setChunk(void* data, int32_t byteSize, bool isPreset) override;
    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void resume() override;

protected:
    // Reads the older raw bank form of the chunk; 0 on success, -1 on failure.
    int32_t readRawBank(const uint8_t* data, size_t size, bool swap);

    std::unique_ptr<platform::Mutex> bankMutex_;
    std::unique_ptr<ProgramRecord[]> bank_;
    ProgramRecord template_{};
    int32_t currentInternalProgram_ = 0;
    bool loading_ = false;
    std::unique_ptr<uint8_t[]> chunkBuffer_;
    std::unique_ptr<uint8_t[]> rawBankBuffer_;
    float processingRate_;
    int32_t oversampling_ = 1;  // no oversampling is performed; the processing rate is the sample rate
};
