// Host automation on one thread against the host's state work on another: chunk saves, chunk loads and program
// changes, as a host that automates on its audio or automation thread while it saves or restores the session on its
// main thread. Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/vst2/Opcodes.h"
#include "tests/support/TestHost.h"

namespace {

constexpr int32_t kAutomated[] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13};

std::vector<uint8_t> saveChunk(EffectRecord* record)
{
    void* data = nullptr;
    const intptr_t size = record->dispatcher(record, effGetChunk, 0, 0, &data, 0.0f);
    if (size <= 0 || !data)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

intptr_t loadChunk(EffectRecord* record, std::vector<uint8_t>& chunk)
{
    return record->dispatcher(record, effSetChunk, 0, static_cast<intptr_t>(chunk.size()), chunk.data(), 0.0f);
}

TEST(StateRace, AutomationAgainstChunkSavesLoadsAndProgramChangesOnAnotherThread)
{
    TestHost::instance().reset();
    auto* effect = new QorFETcomp(&TestHost::callback);
    EffectRecord* record = effect->getRecord();
    effect->setCurrentProgram(5);
    std::vector<uint8_t> session = saveChunk(record);
    ASSERT_FALSE(session.empty());

    for (int round = 0; round < 12; ++round) {
        std::atomic<bool> stop{false};
        std::thread automation([&] {
            for (int i = 0; !stop.load(); ++i) {
                const int32_t index = kAutomated[i % (sizeof kAutomated / sizeof kAutomated[0])];
                record->setParameter(record, index, static_cast<float>((i * 7 + round) % 11) / 10.0f);
            }
        });
        for (int step = 0; step < 8; ++step) {
            std::vector<uint8_t> saved = saveChunk(record);
            ASSERT_FALSE(saved.empty());
            EXPECT_EQ(loadChunk(record, saved), 0) << "a chunk saved during automation reads back";
            EXPECT_EQ(loadChunk(record, session), 0);
            effect->setCurrentProgram((round * 8 + step) % 18);
        }
        stop.store(true);
        automation.join();

        // Quiet again: what the host reads is what the current program holds, whichever thread wrote last.
        const ProgramRecord* current = effect->program(effect->getCurrentProgramIndex());
        ASSERT_NE(current, nullptr);
        for (int32_t index : kAutomated)
            EXPECT_EQ(record->getParameter(record, index), current->values[index])
                << "round " << round << ", parameter " << index;
    }
    record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
}

}  // namespace
