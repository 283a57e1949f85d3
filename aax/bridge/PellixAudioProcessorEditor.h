// JUCE's editor of the processor: a blank 400 x 300 component. The AAX GUI object never asks for it; it opens the
// effect's own editor in the host's window instead.
#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class PellixAudioProcessorEditor final : public juce::AudioProcessorEditor
{
public:
    explicit PellixAudioProcessorEditor(juce::AudioProcessor& processor) : juce::AudioProcessorEditor(processor)
    {
        setSize(400, 300);
    }
    void paint(juce::Graphics&) override {}
};
