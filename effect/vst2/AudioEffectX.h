// Extended VST 2 base: answers opcodes 25 to 79 with the standard's defaults (0, false or empty), which product
// classes override.
#pragma once

#include "effect/vst2/AudioEffect.h"

class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX(HostCallback hostCallback, int32_t numPrograms, int32_t numParams);

    intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override;

    virtual int32_t processEvents(void* events) { return 0; }
    virtual bool canParameterBeAutomated(int32_t index) { return true; }
    virtual bool string2parameter(int32_t index, char* text) { return false; }
    virtual bool getProgramNameIndexed(int32_t category, int32_t index, char* text) { return false; }
    virtual bool getInputProperties(int32_t index, PinProperties* properties) { return false; }
    virtual bool getOutputProperties(int32_t index, PinProperties* properties) { return false; }
    virtual int32_t getPlugCategory() { return 0; }
    virtual bool offlineNotify(void* audioFiles, int32_t numAudioFiles, bool start) { return false; }
    virtual bool offlinePrepare(void* offline, int32_t count) { return false; }
    virtual bool offlineRun(void* offline, int32_t count) { return false; }
    virtual bool processVariableIo(void* varIo) { return false; }
    virtual bool setSpeakerArrangement(SpeakerArrangement* input, SpeakerArrangement* output) { return false; }
    virtual bool getSpeakerArrangement(SpeakerArrangement** input, SpeakerArrangement** output)
    {
        *input = nullptr;
        *output = nullptr;
        return false;
    }
    virtual bool setBypass(bool onOff) { return false; }
    virtual bool getEffectName(char* name) { return false; }
    virtual bool getVendorString(char* text) { return false; }
    virtual bool getProductString(char* text) { return false; }
    virtual int32_t getVendorVersion() { return 0; }
    virtual intptr_t vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) { return 0; }
    // 1: can do, -1: cannot, 0: don't know.
    virtual int32_t canDo(char* text) { return 0; }
    virtual int32_t getGetTailSize() { return 0; }
    virtual bool getParameterProperties(int32_t index, ParameterProperties* properties) { return false; }
    virtual int32_t getVstVersion() { return 2400; }
    virtual int32_t beginSetProgram() { return 0; }
    virtual int32_t endSetProgram() { return 0; }
    virtual int32_t startProcess() { return 0; }
    virtual int32_t stopProcess() { return 0; }
    virtual int32_t setTotalSampleToProcess(int32_t value) { return value; }
    virtual bool setPanLaw(int32_t type, float value) { return false; }
    virtual int32_t beginLoadBank(void* info) { return 0; }
    virtual int32_t beginLoadProgram(void* info) { return 0; }
    virtual bool setProcessPrecision(int32_t precision) { return false; }
    virtual int32_t getNumMidiInputChannels() { return 0; }
    virtual int32_t getNumMidiOutputChannels() { return 0; }

    // Flag setters the extended standard adds.
    virtual void isSynth(bool state = true) { setFlag(kFlagIsSynth, state); }
    virtual void noTail(bool state = true) { setFlag(kFlagNoSoundInStop, state); }
    virtual void extIsAsync(bool state = true) { setFlag(kFlagExtIsAsync, state); }
    virtual void extHasBuffer(bool state = true) { setFlag(kFlagExtHasBuffer, state); }

    // Speaker-arrangement helpers of the standard. Nothing in this product calls them; they are kept for
    // completeness of the base.
    static SpeakerArrangement* allocateArrangement(int32_t numChannels);
    static void deallocateArrangement(SpeakerArrangement* arrangement);
    static void copySpeaker(SpeakerProperties* to, const SpeakerProperties* from);
    static SpeakerArrangement* copyArrangement(SpeakerArrangement* to, const SpeakerArrangement* from);
};
