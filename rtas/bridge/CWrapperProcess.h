// One inserted copy of the plug-in: a library instance that owns a CPluginWrapper (the effect), presents the
// effect's parameters as controls (1 is "Master Bypass", effect parameter i is control i+2), moves audio between the
// host's connection records and the effect in blocks of the host's quantum, delays the dry signal by the effect's
// latency for its bypass, and carries the effect's state in the chunk 'All '. The real-time and AudioSuite
// instances derive from it and differ in their render.
//
// Threads: the render runs on the host's audio thread; everything else on the host's main thread under the host's
// context lock. The render gate (RenderGate.h) is the only coordination: a render holds it for its whole length, and
// the teardown stops it before anything a render uses goes.
#pragma once

#include "rtas/bridge/CPluginWrapper.h"
#include "rtas/bridge/CPluginWrapperCallback.h"
#include "rtas/bridge/RenderGate.h"
#include "rtas/framework/CEffectProcessAS.h"

#include <cstdint>
#include <memory>
#include <vector>

constexpr uint32_t kCompleteStateChunk = HostFourCC("All ");
constexpr const char* kCompleteStateChunkName = "Complete State";
// Control 1 and its ID; the library's controls 0 and 1 never reach the effect.
constexpr int32_t kMasterBypassControl = 1;
constexpr const char* kMasterBypassNames = "Master Bypass\nMstr Byp\nMBYP";
// Rows and rings hold this many samples: a host buffer passes through the rows one block of the quantum at a time,
// and the rings hold the dry signal for a latency below this length.
constexpr int32_t kWrapperRowLength = 65536;

class CWrapperProcess : public CEffectProcessAS, public CPluginWrapperCallback, public CPluginWrapperOwner
{
public:
    // Main thread. Loads the effect (fileName through the system's library search) and builds the controls, the
    // rows and the rings; throws CDAEError when memory runs out.
    explicit CWrapperProcess(const char* effectFileName = kEffectLibraryName);
    // Main thread. Stops the render (see Shutdown) when the derived instance has not already.
    ~CWrapperProcess() override;

    // Null once the instance is being torn down.
    CPluginWrapper* GetWrapper() const { return fWrapper.get(); }
    // True while an effect is loaded; an instance without one passes its input.
    bool HasEffect() const { return fWrapper != nullptr && fWrapper->isLoaded(); }
    int32_t GetLatency() const { return fLatency; }
    int32_t GetQuantum() const { return fQuantum; }

    // ---- Library operations (main thread, under the context lock) ----
    int32_t HandleIdleEvent() override;
    int32_t UpdateRect(const Rect* rect) override;
    int32_t HandleEvent(const EventRecord* event) override;
    int32_t GetViewRect(Rect* rect) override;
    int32_t SetViewPort(OpaqueGrafPtr port) override;
    int32_t SetSampleRate(int32_t rate) override;
    int32_t GetChunk(uint32_t chunkID, SFicPlugInChunk* chunk) override;
    int32_t SetChunk(uint32_t chunkID, const SFicPlugInChunk* chunk) override;
    // The latency, limited to what 16 bits carry (32767); the 32-bit routine answers it whole.
    int32_t GetDelaySamplesShort(int16_t* delay) override;
    int32_t GetDelaySamples(int32_t* delay) override;
    void UpdateControlValueInAlgorithm(int32_t control) override;
    // Runs the library's idle, then the effect's editor idle.
    void Idle() override;

    // ---- The wrapper's callback (main thread, from inside effect calls) ----
    void OnIdle() override;
    void OnParameterAutomated(int index, float value) override;
    void OnDisplayUpdate() override;
    void SendWindowToken() override;
    bool IsAudioSuiteInstance() const override { return false; }

protected:
    // Switches the library's own views off (this plug-in shows the effect's editor) and reads the stems.
    void SetUpHook() override;

    // Main thread, from the most derived destructor while the instance is still whole: stops the render gate (a
    // render inside finishes first; later ones pass the input), closes the editor and unloads the effect, then
    // withdraws the plug-in object through which the engine renders, so no render reaches the instance while its
    // parts go. Calling it again does nothing.
    void Shutdown();

    // Audio thread (real time) or main thread (AudioSuite): this render's host buffers, from the connection records;
    // no samples when a record or its buffer is missing.
    struct Buffers
    {
        const float* in0 = nullptr;
        const float* in1 = nullptr;
        const float* key = nullptr;
        float* out0 = nullptr;
        float* out1 = nullptr;
        int32_t samples = 0;
        // The key record's own count: a key buffer may hold fewer samples than input 0.
        int32_t keySamples = 0;
    };
    Buffers GatherBuffers() const;
    // The host's inputs to its outputs as they are (input 1 is input 0 for a mono source).
    void CopyInputsToOutputs(const Buffers& buffers);
    // A render that found the gate stopped: the inputs to the outputs (silence where an input is missing), and the
    // counts; nothing of the effect, the rows or the rings is touched.
    int32_t RenderStopped();
    // One host output buffer takes both of the effect's outputs; two inputs or two outputs give the effect two rows.
    bool SharesInputRow(const Buffers& buffers) const;
    // Sets the records' counts after a render: inputs 0, outputs produced.
    void SettleCounts(int32_t produced);
    // Runs the effect over count samples already in the input rows (and the key rows).
    void ProcessRows(const Buffers& buffers, int32_t count);
    // Writes count samples of the input rows into the rings and, when asked, the samples one latency older to the
    // host's outputs from position from on.
    void DelayThroughRings(const Buffers& buffers, int32_t from, int32_t count, bool toOutputs);
    void CopyToRows(const Buffers& buffers, int32_t from, int32_t count);
    void CopyFromRows(const Buffers& buffers, int32_t from, int32_t count);

    std::unique_ptr<CPluginWrapper> fWrapper;
    int32_t fChannels = 0;
    int32_t fQuantum = 32;
    int32_t fLatency = 0;
    RenderGate fGate;
    std::vector<float> fRingLeft;
    std::vector<float> fRingRight;
    uint16_t fWriteIndex = 0;
    uint16_t fReadIndex = 0;
    std::vector<float> fRows[5];
    bool fStereoInput = false;

private:
    void AddControls();
    static int32_t QueryMaxRTASQuantum();
};
