// The compressor's editor while other threads change parameters, as host automation does, and while a host idles it
// from a thread of its own: no control or frame is touched off the GUI thread, and no frame is destroyed while it is
// in use. Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/Qor245Editor.h"
#include "effect/editor/controls/CAnimKnob3.h"
#include "effect/editor/controls/COldVuMeter2.h"
#include "gui/controls/CParamDisplay.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/TestHost.h"

namespace {

constexpr int32_t kKnobParameters[] = {1, 2, 5, 6, 8, 10, 13};
constexpr int32_t kSwitchParameters[] = {0, 4, 9, 11, 12};

TEST(EditorNoticeRace, AutomationFromAnotherThreadWhileTheGuiOpensIdlesAndCloses)
{
    editortest::HeadlessWindows windows;
    TestHost::instance().reset();
    auto* effect = new QorFETcomp(&TestHost::callback);
    EffectRecord* record = effect->getRecord();
    auto* editor = static_cast<Qor245Editor*>(effect->getEditor());

    std::atomic<bool> stop{false};
    std::atomic<int> changes{0};
    std::thread automation([&] {
        for (int round = 0; !stop.load(); ++round) {
            for (int32_t index = 0; index < 16; ++index)
                record->setParameter(record, index, static_cast<float>((round * 7 + index) % 11) / 10.0f);
            changes.fetch_add(1);
        }
    });

    for (int round = 0; round < 15; ++round) {
        ASSERT_TRUE(editor->open(editortest::fakeParent()));
        for (int i = 0; i < 4; ++i) {
            editor->idle();
            // A knob turned on the GUI thread while the host automates the others.
            CPoint start(74, 73), end(74, 73 - 3 * i);
            CFrame* frame = editor->getFrame();
            frame->onMouseDown(start, CButtonState(kLButton));
            frame->onMouseMoved(end, CButtonState(kLButton));
            frame->onMouseUp(end, CButtonState());
        }
        editor->close();
        editor->idle();
        if (round % 5 == 0)
            while (changes.load() < round / 5)
                std::this_thread::yield();
    }
    stop.store(true);
    automation.join();

    // Everything the other thread posted reaches the controls at the next idle.
    ASSERT_TRUE(editor->open(editortest::fakeParent()));
    for (int32_t index = 0; index < 14; ++index)
        record->setParameter(record, index, 0.25f);
    std::thread last([&] { record->setParameter(record, 8, 0.625f); });
    last.join();
    editor->idle();
    for (int32_t index : kKnobParameters)
        EXPECT_FLOAT_EQ(editor->knob(index)->getValue(), effect->getParameter(index)) << index;
    for (int32_t index : kSwitchParameters)
        EXPECT_FLOAT_EQ(editor->switchControl(index)->getValue(), effect->getParameter(index)) << index;
    EXPECT_FLOAT_EQ(editor->knob(8)->getValue(), 0.625f);
    EXPECT_EQ(windows.state().destroyedWhileBusy.load(), 0);
    record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
}

TEST(EditorNoticeRace, CloseGoesOnAfterItsWaitButNeverUnderAnIdleOnAnotherThread)
{
    editortest::HeadlessWindows windows;
    TestHost::instance().reset();
    auto* effect = new QorFETcomp(&TestHost::callback);
    EffectRecord* record = effect->getRecord();
    auto* editor = static_cast<Qor245Editor*>(effect->getEditor());
    ASSERT_TRUE(editor->open(editortest::fakeParent()));

    // An idle from a host thread that holds the editor mutex far longer than close waits for it.
    windows.state().processingDelayMs = 700;
    const int processedBefore = windows.state().processed.load();
    std::thread hostIdle([&] { editor->idle(); });
    // Its second pass over the window's events runs with the editor mutex held.
    while (windows.state().processed.load() < processedBefore + 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto started = std::chrono::steady_clock::now();
    editor->close();
    const auto took = std::chrono::steady_clock::now() - started;
    hostIdle.join();

    EXPECT_GE(took, std::chrono::milliseconds(500));
    EXPECT_EQ(windows.state().destroyed.load(), 1);
    EXPECT_EQ(windows.state().destroyedWhileBusy.load(), 0);
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_FALSE(editor->isOpen());
    windows.state().processingDelayMs = 0;
    editor->idle();
    record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
}

TEST(EditorNoticeRace, NoticesDuringTheEditorsTeardownAreHarmless)
{
    editortest::HeadlessWindows windows;
    for (int round = 0; round < 20; ++round) {
        TestHost::instance().reset();
        auto* effect = new QorFETcomp(&TestHost::callback);
        EffectRecord* record = effect->getRecord();
        ASSERT_TRUE(static_cast<Qor245Editor*>(effect->getEditor())->open(editortest::fakeParent()));
        std::atomic<bool> stop{false};
        std::thread automation([&] {
            while (!stop.load())
                record->setParameter(record, 8, 0.5f);
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        // The host closes the editor window and then the plug-in while automation is still running.
        record->dispatcher(record, 15, 0, 0, nullptr, 0.0f);
        stop.store(true);
        automation.join();
        record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
    }
    EXPECT_EQ(windows.state().destroyedWhileBusy.load(), 0);
}

}  // namespace
