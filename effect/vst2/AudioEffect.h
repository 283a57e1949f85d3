// The VST 2 effect base: owns the effect record, answers opcodes 0 to 24 and gives every virtual operation of the
// standard a default body. Product classes override what they need.
#pragma once

#include <cstdint>

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Records.h"

class AEffEditor;

class AudioEffect
{
public:
    AudioEffect(HostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    // The effect object behind a record handed out by the entry point.
    static AudioEffect* fromRecord(EffectRecord* record);

    virtual intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate_ = rate; }
    virtual void setBlockSize(int32_t size) { blockSize_ = size; }
    virtual void processReplacing(float** inputs, float** outputs, int32_t sampleFrames) {}
    virtual void processDoubleReplacing(double** inputs, double** outputs, int32_t sampleFrames) {}
    virtual void setParameter(int32_t index, float value) {}
    virtual float getParameter(int32_t index) { return 0.0f; }
    // Sets the parameter, then tells the host so it can record the change. Any thread; the effect mutex is
    // released by setParameter before the host is called.
    virtual void setParameterAutomated(int32_t index, float value);
    virtual int32_t getProgram() { return currentProgram_; }
    virtual void setProgram(int32_t program) { currentProgram_ = program; }
    virtual void setProgramName(char* name) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual void getParameterLabel(int32_t index, char* text) { *text = 0; }
    virtual void getParameterDisplay(int32_t index, char* text) { *text = 0; }
    virtual void getParameterName(int32_t index, char* text) { *text = 0; }
    // Returns the size of the data handed out through *data (0: nothing to save).
    virtual int32_t getChunk(void** data, bool isPreset) { return 0; }
    // Returns 0 on success, -1 on failure.
    virtual int32_t setChunk(void* data, int32_t byteSize, bool isPreset) { return 0; }

    // Host requests.
    virtual int32_t getMasterVersion();
    virtual int32_t getCurrentUniqueId();
    virtual void masterIdle();

    // Record setters.
    virtual void setUniqueID(int32_t id) { record_.uniqueID = id; }
    virtual void setNumInputs(int32_t n) { record_.numInputs = n; }
    virtual void setNumOutputs(int32_t n) { record_.numOutputs = n; }
    virtual void setInitialDelay(int32_t delay) { record_.initialDelay = delay; }
    virtual void hasVu(bool state = true) { setFlag(kFlagHasVu, state); }
    virtual void hasClip(bool state = true) { setFlag(kFlagHasClip, state); }
    virtual void canMono(bool state = true) { setFlag(kFlagCanMono, state); }
    virtual void canProcessReplacing(bool state = true) { setFlag(kFlagCanReplacing, state); }
    virtual void canDoubleReplacing(bool state = true) { setFlag(kFlagCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state = true) { setFlag(kFlagProgramChunks, state); }

    // Value-to-text helpers of the standard; none of them writes more than 8 characters and a terminator.
    virtual void dB2string(float value, char* text, int32_t maxLen);
    virtual void Hz2string(float samples, char* text, int32_t maxLen);
    virtual void ms2string(float samples, char* text, int32_t maxLen);
    virtual void float2string(float value, char* text, int32_t maxLen);
    virtual void int2string(int32_t value, char* text, int32_t maxLen);

    virtual void processAccumulating(float** inputs, float** outputs, int32_t sampleFrames) {}
    virtual float getSampleRate() { return sampleRate_; }
    virtual int32_t getBlockSize() { return blockSize_; }
    virtual EffectRecord* getRecord() { return &record_; }

    AEffEditor* getEditor() const { return editor_; }
    // Called by the editor base when it registers itself; sets or clears the has-editor flag.
    void setEditor(AEffEditor* editor);

    // Host-callback wrappers; each answers 0 when there is no callback.
    intptr_t callHost(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);
    bool updateDisplay() { return callHost(42) != 0; }
    bool beginEdit(int32_t index) { return callHost(43, index) != 0; }
    bool endEdit(int32_t index) { return callHost(44, index) != 0; }
    bool canHostDo(const char* text) { return callHost(37, 0, 0, const_cast<char*>(text)) != 0; }
    bool sizeWindow(int32_t width, int32_t height) { return callHost(15, width, height) != 0; }
    bool isInputConnected(int32_t input) { return callHost(4, input, 0) == 0; }
    bool isOutputConnected(int32_t output) { return callHost(4, output, 1) == 0; }
    bool wantEvents(int32_t filter = 1) { return callHost(6, 0, filter) != 0; }
    EffectTimeInfo* getTimeInfo(int32_t filter)
    {
        return reinterpret_cast<EffectTimeInfo*>(callHost(7, 0, filter));
    }
    // Events the effect hands the host (the host's own events record); true when the host took them.
    bool sendEventsToHost(void* events) { return callHost(8, 0, 0, events) != 0; }
    bool ioChanged() { return callHost(13) != 0; }
    // Ask the host for its rate and block size; the stored values stay when the answer is not positive.
    float updateSampleRate();
    int32_t updateBlockSize();
    int32_t getInputLatency() { return static_cast<int32_t>(callHost(18)); }
    int32_t getOutputLatency() { return static_cast<int32_t>(callHost(19)); }
    bool getHostVendorString(char* text) { return callHost(32, 0, 0, text) != 0; }
    bool getHostProductString(char* text) { return callHost(33, 0, 0, text) != 0; }
    int32_t getHostVendorVersion() { return static_cast<int32_t>(callHost(34)); }
    int32_t getHostLanguage() { return static_cast<int32_t>(callHost(38)); }
    void* getDirectory() { return reinterpret_cast<void*>(callHost(41)); }
    // The host's own file selector, described by the standard's selector record; true when the host ran / closed it.
    bool openFileSelector(void* selector) { return callHost(45, 0, 0, selector) != 0; }
    bool closeFileSelector(void* selector) { return callHost(46, 0, 0, selector) != 0; }

protected:
    void setFlag(int32_t bit, bool state);

    HostCallback hostCallback_;
    AEffEditor* editor_ = nullptr;
    float sampleRate_ = 44100.0f;
    int32_t blockSize_ = 1024;
    int32_t numPrograms_;
    int32_t numParams_;
    int32_t currentProgram_ = 0;
    EffectRecord record_;
};
