// The audio thread's blocks (under JUCE's callback lock, as the render path takes it) against parameter writes,
// state saves and restores, display texts and the push from another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "aax/bridge/PellixAudioProcessor.h"
#include "effect/vst2/Opcodes.h"

namespace {

TEST(ProcessorRace, BlocksAgainstParameterAndStateWorkOnAnotherThread)
{
    juce::ScopedJuceInitialiser_GUI juce;
    PellixAudioProcessor processor;
    ASSERT_NE(processor.effectRecord(), nullptr);
    processor.setPlayConfigDetails(2, 2, 44100.0, 256);
    processor.prepareToPlay(44100.0, 256);
    juce::MemoryBlock saved;
    processor.getStateInformation(saved);

    std::atomic<bool> stop{false};
    std::thread audio([&] {
        juce::AudioBuffer<float> buffer(2, 256);
        juce::MidiBuffer midi;
        float phase = 0.0f;
        while (!stop.load())
        {
            for (int i = 0; i < 256; ++i, phase += 0.05f)
            {
                buffer.setSample(0, i, 0.5f * std::sin(phase));
                buffer.setSample(1, i, 0.5f * std::cos(phase));
            }
            const juce::ScopedLock lock(processor.getCallbackLock());
            processor.processBlock(buffer, midi);
        }
    });

    for (int round = 0; round < 40; ++round)
    {
        processor.setParameter(8, static_cast<float>(round % 10) / 10.0f);
        processor.setParameter(4, round % 2 ? 1.0f : 0.0f);
        (void)processor.getParameterText(8);
        processor.pushParametersToHost();
        PellixAudioProcessor::effectHostCallback(processor.effectRecord(), audioMasterUpdateDisplay, 0, 0, nullptr,
                                                 0.0f);
        processor.timerCallback();
        if (round % 8 == 0)
        {
            processor.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
            juce::MemoryBlock again;
            processor.getStateInformation(again);
        }
    }
    stop = true;
    audio.join();
}

}  // namespace
