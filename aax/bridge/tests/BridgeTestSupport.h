// Helpers of the bridge's tests: JUCE's message thread run for a while, and a listener that keeps what the processor
// tells the AAX side.
#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <mutex>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace bridgetest {

// Runs the message thread (this thread) for about ms milliseconds, as a host's GUI thread would.
inline void pumpMessages(int ms)
{
    const double end = juce::Time::getMillisecondCounterHiRes() + ms;
    while (juce::Time::getMillisecondCounterHiRes() < end)
    {
#if defined(_WIN32)
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
#else
        juce::MessageManager::getInstance()->runDispatchLoopUntil(2);
#endif
    }
}

struct Notice
{
    enum Kind
    {
        Changed,
        GestureBegin,
        GestureEnd,
    } kind;
    int index;
    float value;
    double timeMs;
};

class RecordingListener : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged(juce::AudioProcessor* processor, int index, float value) override
    {
        add({Notice::Changed, index, value, juce::Time::getMillisecondCounterHiRes()});
        if (echo)
            processor->setParameter(index, echoValue);
    }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index) override
    {
        add({Notice::GestureBegin, index, 0.0f, juce::Time::getMillisecondCounterHiRes()});
    }
    void audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index) override
    {
        add({Notice::GestureEnd, index, 0.0f, juce::Time::getMillisecondCounterHiRes()});
    }

    std::vector<Notice> notices()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return notices_;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        notices_.clear();
    }

    // When set, every change is written back into the processor at once with echoValue, as a host's echo would.
    bool echo = false;
    float echoValue = 0.0f;

private:
    void add(const Notice& notice)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        notices_.push_back(notice);
    }
    std::mutex mutex_;
    std::vector<Notice> notices_;
};

}  // namespace bridgetest
