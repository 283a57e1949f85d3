// The VST 2 host inside the RTAS plug-in, as its instances see it: load an effect, drive it, keep its state and
// show its editor. CPluginWrapper implements it.
#pragma once

#include "rtas/bridge/CPluginWrapperCallback.h"
#include "rtas/bridge/CPluginWrapperTransport.h"

#include "effect/vst2/Records.h"

#include <cstddef>

class CPluginWrapperInterface
{
public:
    virtual ~CPluginWrapperInterface() = default;

    virtual void SetCallback(CPluginWrapperCallback* callback) = 0;
    virtual void LoadEffectLibrary(const char* fileName) = 0;
    virtual void UnloadEffectLibrary() = 0;
    virtual void GetEditorSize(int* width, int* height) = 0;
    virtual void OpenEditorWindow(void* parentWindow) = 0;
    virtual bool CloseEditorWindow() = 0;
    virtual void GetNumChannels(int* channels) = 0;
    virtual void SetSampleRate(float rate) = 0;
    virtual void SetBlockSize(int size) = 0;
    virtual int GetBlockSize() = 0;
    virtual int GetNumParams() = 0;
    virtual float GetParameter(int index) = 0;
    virtual void GetParamDisplay(int index, char* text) = 0;
    virtual void SetParameter(int index, float value) = 0;
    virtual void GetParamName(int index, char* text) = 0;
    virtual void GetParamLabel(int index, char* text) = 0;
    virtual void GetParamDisplayText(int index, char* text) = 0;
    virtual bool GetParamProperties(int index, ParameterProperties* properties) = 0;
    virtual bool CanBeAutomated(int index) = 0;
    virtual void Resume() = 0;
    virtual void Suspend() = 0;
    virtual void QueueMidiEvent(unsigned char byte0, unsigned char byte1, unsigned char byte2, unsigned char byte3,
                                int deltaFrames) = 0;
    virtual void ProcessEffectBlock(float** inputs, float** outputs, int sampleCount,
                                    const CPluginWrapperTransport* transport) = 0;
    virtual void GetStateSize(int* size) = 0;
    virtual size_t SaveEffectState(void* buffer, size_t capacity) = 0;
    virtual void RestoreEffectState(const void* buffer, int size) = 0;
    virtual void Idle() = 0;
    virtual void ForwardMidi(int a, int b) = 0;
    virtual void RedrawEditor() = 0;
    virtual bool IsSynth() = 0;
    virtual int GetLatency() = 0;
};
