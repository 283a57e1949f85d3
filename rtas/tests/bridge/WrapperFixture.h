// A wrapper over the recording effect, with the effect's configuration and call log at hand, messages caught
// instead of shown, and a callback that records what the wrapper tells its instance.
#pragma once

#include "rtas/bridge/CPluginWrapper.h"
#include "rtas/tests/support/RecordingEffect.h"

#include "platform/Library.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct RecordedNotice
{
    std::string what;
    int index;
    float value;
};

class RecordingCallback : public CPluginWrapperCallback
{
public:
    void OnIdle() override { notices.push_back({"idle", 0, 0.0f}); }
    void OnParameterAutomated(int index, float value) override { notices.push_back({"automated", index, value}); }
    void OnDisplayUpdate() override { notices.push_back({"display", 0, 0.0f}); }
    void SendWindowToken() override {}

    std::vector<RecordedNotice> notices;
};

class RecordingOwner : public CPluginWrapperOwner
{
public:
    bool IsAudioSuiteInstance() const override { return audioSuite; }
    bool audioSuite = false;
};

class WrapperFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        messages().clear();
        platform::setMessageHook([](const char*, const char* text) { messages().push_back(text); });
        ASSERT_TRUE(library_.openByName(kRecordingEffectFile)) << library_.error();
        configure_ = reinterpret_cast<RecordingEffectConfigureFunction>(library_.symbol(kRecordingEffectConfigureName));
        auto logFunction = reinterpret_cast<RecordingEffectLogFunction>(library_.symbol(kRecordingEffectLogName));
        ASSERT_NE(configure_, nullptr);
        ASSERT_NE(logFunction, nullptr);
        log_ = logFunction();
        configure(RecordingEffectConfig{});
    }

    void TearDown() override
    {
        wrapper.reset();
        platform::setMessageHook(nullptr);
    }

    void configure(const RecordingEffectConfig& config) { configure_(&config); }

    // A wrapper with the recording effect loaded (as the instance makes it), the log emptied afterwards unless
    // keepLog is set.
    CPluginWrapper& load(const RecordingEffectConfig& config = RecordingEffectConfig{}, bool keepLog = false)
    {
        configure(config);
        log_->callCount = 0;
        wrapper = std::make_unique<CPluginWrapper>(&owner);
        wrapper->SetCallback(&callback);
        wrapper->LoadEffectLibrary(kRecordingEffectFile);
        if (!keepLog)
            log_->callCount = 0;
        return *wrapper;
    }

    RecordingEffect* effect() const { return wrapper ? asRecording(wrapper->record()) : nullptr; }
    RecordingLog& log() const { return *log_; }

    // The dispatcher opcodes recorded so far, in order (entry calls other than the dispatcher's left out).
    std::vector<int32_t> opcodes() const
    {
        std::vector<int32_t> result;
        for (int32_t i = 0; i < log_->callCount; ++i)
            if (log_->calls[i].opcode < kCallSetParameter)
                result.push_back(log_->calls[i].opcode);
        return result;
    }
    int countOf(int32_t opcode) const
    {
        int count = 0;
        for (int32_t i = 0; i < log_->callCount; ++i)
            count += log_->calls[i].opcode == opcode ? 1 : 0;
        return count;
    }

    static std::vector<std::string>& messages()
    {
        static std::vector<std::string> shown;
        return shown;
    }

    RecordingCallback callback;
    RecordingOwner owner;
    std::unique_ptr<CPluginWrapper> wrapper;

private:
    platform::Library library_;
    RecordingEffectConfigureFunction configure_ = nullptr;
    RecordingLog* log_ = nullptr;
};
