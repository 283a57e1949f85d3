// The push of all values to the host after the effect's refresh request, on JUCE's real 100 ms timer.
#include <gtest/gtest.h>

#include <memory>

#include "aax/bridge/PellixAudioProcessor.h"
#include "aax/bridge/tests/BridgeTestSupport.h"
#include "effect/vst2/Opcodes.h"

namespace {

using bridgetest::Notice;

std::vector<Notice> changes(bridgetest::RecordingListener& listener)
{
    std::vector<Notice> result;
    for (const Notice& notice : listener.notices())
        if (notice.kind == Notice::Changed)
            result.push_back(notice);
    return result;
}

TEST(PushTiming, TwoRefreshRequestsApartPushOnceOnTheThirdTickAfterTheSecond)
{
    juce::ScopedJuceInitialiser_GUI juce;
    PellixAudioProcessor processor;
    ASSERT_NE(processor.effectRecord(), nullptr);
    bridgetest::RecordingListener listener;
    processor.addListener(&listener);
    EffectRecord* record = processor.effectRecord();

    PellixAudioProcessor::effectHostCallback(record, audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f);
    bridgetest::pumpMessages(150);
    const double second = juce::Time::getMillisecondCounterHiRes();
    PellixAudioProcessor::effectHostCallback(record, audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f);
    bridgetest::pumpMessages(600);

    const std::vector<Notice> pushed = changes(listener);
    ASSERT_EQ(pushed.size(), 16u) << "one push of the 16 values";
    // The third tick after the second request: more than two intervals later, at most three (and some slack for a
    // loaded machine).
    EXPECT_GT(pushed[0].timeMs - second, 190.0);
    EXPECT_LT(pushed[0].timeMs - second, 450.0);
    EXPECT_EQ(processor.pushCountdown(), -1);
    processor.removeListener(&listener);
}

TEST(PushTiming, NothingIsPushedWithoutARefreshRequest)
{
    juce::ScopedJuceInitialiser_GUI juce;
    PellixAudioProcessor processor;
    bridgetest::RecordingListener listener;
    processor.addListener(&listener);
    bridgetest::pumpMessages(450);
    EXPECT_TRUE(listener.notices().empty());
    processor.removeListener(&listener);
}

}  // namespace
