// How a CPluginWrapper talks back to the plug-in instance that owns it. Implemented by the instance.
#pragma once

class CPluginWrapperCallback
{
public:
    virtual ~CPluginWrapperCallback() = default;

    // The effect asked its host to idle (GUI thread, from inside an effect call).
    virtual void OnIdle() = 0;
    // The effect changed parameter index to value (0..1) on its own, from its editor (GUI thread).
    virtual void OnParameterAutomated(int index, float value) = 0;
    // The effect asked its host to show its parameters again (after a program, preset or bank change).
    virtual void OnDisplayUpdate() = 0;
    virtual void SendWindowToken() = 0;
};

// What the wrapper needs to know of the instance that owns it.
class CPluginWrapperOwner
{
public:
    virtual ~CPluginWrapperOwner() = default;
    // True for an offline (AudioSuite) instance, whose editor sits higher in the host's window.
    virtual bool IsAudioSuiteInstance() const = 0;
};
