// The VST 2 host inside the RTAS plug-in. Each plug-in instance owns one: it loads "Qor Kalvenor.dll", calls its
// entry point with EffectHostCallback, and from then on reaches the effect only through the effect record.
//
// Threads: the host's audio thread calls ProcessEffectBlock; the GUI (main) thread calls everything else. They
// meet only through busy flags (BusyFlag.h), never a system lock: in-block (set for the whole of a block), bank-busy
// (set while a bank is saved or restored program by program; blocks then pass the dry input through) and the MIDI
// queue's own flag.
#pragma once

#include "rtas/bridge/BusyFlag.h"
#include "rtas/bridge/CPluginWrapperInterface.h"
#include "rtas/bridge/MidiEventQueue.h"

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Records.h"
#include "platform/ChildWindow.h"
#include "platform/Library.h"

#include <atomic>
#include <cstdint>
#include <vector>

// The window class and title of the editor's child window.
constexpr const char* kWrapperWindowClass = "CPluginWrapperWindowClass2";
constexpr const char* kWrapperWindowTitle = "PluginWindow";
// Shown when the effect library or its entry point cannot be had; the instance then lives on without an effect.
constexpr const char* kEffectLoadFailedMessage = "Plug-in core lib failed to load.";
// The effect's file name, found through the system's library search.
constexpr const char* kEffectLibraryName = "Qor Kalvenor.dll";
// A block hands the effect arrays of this many input rows (two audio, two side-chain) and output rows.
constexpr int kWrapperInputRows = 4;
constexpr int kWrapperOutputRows = 2;

class CPluginWrapper : public CPluginWrapperInterface, private platform::ChildWindowListener
{
public:
    // GUI thread. The first live wrapper registers the editor's window class.
    explicit CPluginWrapper(CPluginWrapperOwner* owner);
    // GUI thread. Closes the editor, unloads the effect (after any block in progress); the last live wrapper
    // unregisters the window class.
    ~CPluginWrapper() override;
    CPluginWrapper(const CPluginWrapper&) = delete;
    CPluginWrapper& operator=(const CPluginWrapper&) = delete;

    // All GUI thread, unless said.
    void SetCallback(CPluginWrapperCallback* callback) override;
    void LoadEffectLibrary(const char* fileName) override;
    void UnloadEffectLibrary() override;
    void GetEditorSize(int* width, int* height) override;
    void OpenEditorWindow(void* parentWindow) override;
    bool CloseEditorWindow() override;
    void GetNumChannels(int* channels) override;
    void SetSampleRate(float rate) override;
    void SetBlockSize(int size) override;
    int GetBlockSize() override;
    int GetNumParams() override;
    float GetParameter(int index) override;
    // text holds at least 36 bytes; a text starting "1EAD" + float asks for that value's text.
    void GetParamDisplay(int index, char* text) override;
    void SetParameter(int index, float value) override;
    void GetParamName(int index, char* text) override;
    void GetParamLabel(int index, char* text) override;
    void GetParamDisplayText(int index, char* text) override;
    bool GetParamProperties(int index, ParameterProperties* properties) override;
    bool CanBeAutomated(int index) override;
    void Resume() override;
    void Suspend() override;
    // Waits for the queue's flag (never for a block). A 1025th event before the next block is dropped.
    void QueueMidiEvent(unsigned char byte0, unsigned char byte1, unsigned char byte2, unsigned char byte3,
                        int deltaFrames) override;
    // Audio thread. inputs holds kWrapperInputRows rows and outputs kWrapperOutputRows. Never allocates; spins
    // only on the MIDI queue's flag, which the GUI thread holds for a few instructions. While a bank is being saved
    // or restored the effect is not called and the outputs get the dry input.
    void ProcessEffectBlock(float** inputs, float** outputs, int sampleCount,
                            const CPluginWrapperTransport* transport) override;
    void GetStateSize(int* size) override;
    // Writes the bridge state blob into buffer; answers its size, or 0 (nothing written) when it needs more than
    // capacity bytes. Without an effect the state is the 8 zero bytes GetStateSize announces.
    size_t SaveEffectState(void* buffer, size_t capacity) override;
    // Reads at most size bytes of buffer, whatever the blob announces.
    void RestoreEffectState(const void* buffer, int size) override;
    void Idle() override;
    void ForwardMidi(int a, int b) override;
    void RedrawEditor() override;
    bool IsSynth() override;
    int GetLatency() override;

    float EffectGetParameter(int index);
    void EffectSetParameter(int index, float value);
    void EffectProcessReplacing(float** inputs, float** outputs, int sampleCount);
    // The effect's dispatcher, or 0 without an effect.
    intptr_t Dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);
    EffectTimeInfo* GetTimeInfo() { return &timeInfo_; }
    void AllocateScratch();
    void FreeScratch();

    // What the host callback reads (any thread the effect calls it from).
    CPluginWrapperCallback* callback() const { return callback_; }
    bool isReady() const { return ready_; }
    bool isLoaded() const { return loaded_; }
    bool isEditorOpen() const { return editorOpen_; }
    int sampleRateHz() const { return sampleRateHz_; }
    int currentProgram() const { return currentProgram_; }
    void setCurrentProgram(int program) { currentProgram_ = program; }
    EffectRecord* record() const { return effect_; }
    void* childWindow() const { return childWindow_; }
    const EditorRect& editorRect() const { return editorRect_; }

    // Bank work (save and restore of the bank form): holds the audio path off and waits for a block in progress.
    void beginBankWork();
    void endBankWork();

    // Live wrappers (they share the window class).
    static int liveCount();

private:
    void onCloseRequest() override;
    bool validIndex(int index) const;
    EditorRect defaultEditorRect() const;
    void passDryInput(float** inputs, float** outputs, int sampleCount) const;

    BusyFlag inBlock_;
    std::atomic<bool> loaded_{false};
    bool editorOpen_ = false;
    bool ready_ = false;

    using EntryFunction = EffectRecord* (*)(HostCallback);
    EntryFunction entry_ = nullptr;
    EffectRecord* effect_ = nullptr;
    DispatchFunction dispatcher_ = nullptr;
    ProcessFunction processReplacing_ = nullptr;
    SetParameterFunction setParameter_ = nullptr;
    GetParameterFunction getParameter_ = nullptr;

    MidiEventQueue midi_;
    int32_t uniqueId_ = 0;
    EffectTimeInfo timeInfo_{};
    EditorRect editorRect_{};
    platform::Library library_;
    void* childWindow_ = nullptr;
    void* parentWindow_ = nullptr;
    int numInputs_ = 2;
    int numOutputs_ = 2;
    int numChannels_ = 2;
    BusyFlag bankBusy_;
    std::vector<std::vector<float>> scratch_;
    int currentProgram_ = 0;
    int blockSize_ = 0;
    int sampleRateHz_ = 0;
    CPluginWrapperCallback* callback_ = nullptr;
    CPluginWrapperOwner* owner_ = nullptr;
};

// The host callback handed to the effect's entry point; finds its wrapper in the record's first host-reserved word
// (0 while the effect is still being constructed). Thread of the effect's call.
intptr_t EffectHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* pointer,
                            float option);

// The answer to the can-do request for name (0 for a name it does not know).
intptr_t WrapperCanDo(const char* name);
