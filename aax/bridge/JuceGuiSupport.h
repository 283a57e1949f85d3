// JUCE's GUI support for the AAX objects of this plug-in: started on the thread that makes the first of them (the
// description while it runs, each effect-parameters object) and shut down when the last one goes. That thread
// becomes JUCE's message thread.
#pragma once

// Host main thread.
void acquireJuceGuiSupport();
void releaseJuceGuiSupport();

class ScopedJuceGuiSupport
{
public:
    ScopedJuceGuiSupport() { acquireJuceGuiSupport(); }
    ~ScopedJuceGuiSupport() { releaseJuceGuiSupport(); }
    ScopedJuceGuiSupport(const ScopedJuceGuiSupport&) = delete;
    ScopedJuceGuiSupport& operator=(const ScopedJuceGuiSupport&) = delete;
};
