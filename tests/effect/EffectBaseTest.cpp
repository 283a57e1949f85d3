// The VST 2 base classes on their own, under a probe effect: the host requests they send, the program request's
// bound, and the editor requests with and without an editor.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "effect/editor/AEffEditor.h"
#include "effect/vst2/AudioEffectX.h"

namespace {

struct Request
{
    int32_t opcode;
    int32_t index;
    intptr_t value;
    void* ptr;
    float opt;
    bool operator==(const Request& other) const
    {
        return opcode == other.opcode && index == other.index && value == other.value && ptr == other.ptr &&
               opt == other.opt;
    }
};

std::vector<Request> gRequests;
intptr_t gAnswer = 0;

intptr_t recordingHost(EffectRecord*, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    gRequests.push_back({opcode, index, value, ptr, opt});
    return gAnswer;
}

class ProbeEffect : public AudioEffectX
{
public:
    explicit ProbeEffect(HostCallback host) : AudioEffectX(host, 3, 4) {}
    void setProgram(int32_t program) override { programs.push_back(program); }
    std::vector<int32_t> programs;
};

// An editor without windows that records the keys it is given and answers as told.
class KeyEditor : public AEffEditor
{
public:
    explicit KeyEditor(AudioEffect* effect) : AEffEditor(effect) {}
    bool onKeyDown(KeyRecord& key) override { return take("down", key); }
    bool onKeyUp(KeyRecord& key) override { return take("up", key); }

    bool handles = false;
    std::vector<std::string> keys;

private:
    bool take(const char* direction, const KeyRecord& key)
    {
        keys.push_back(std::string(direction) + " " + std::to_string(key.character) + " " +
                       std::to_string(key.virtualKey) + " " + std::to_string(key.modifiers));
        return handles;
    }
};

TEST(EffectBase, HostRequestWrappersSendTheirOpcodesAndAnswerFalseWithoutAHost)
{
    int record = 0;
    void* const data = &record;
    struct Case
    {
        const char* name;
        std::function<intptr_t(AudioEffect&)> call;
        Request expected;
    };
    const std::vector<Case> cases = {
        {"process events", [&](AudioEffect& e) { return intptr_t(e.sendEventsToHost(data)); }, {8, 0, 0, data, 0}},
        {"open file selector", [&](AudioEffect& e) { return intptr_t(e.openFileSelector(data)); }, {45, 0, 0, data, 0}},
        {"close file selector", [&](AudioEffect& e) { return intptr_t(e.closeFileSelector(data)); },
         {46, 0, 0, data, 0}},
        {"update display", [](AudioEffect& e) { return intptr_t(e.updateDisplay()); }, {42, 0, 0, nullptr, 0}},
        {"begin edit", [](AudioEffect& e) { return intptr_t(e.beginEdit(7)); }, {43, 7, 0, nullptr, 0}},
        {"end edit", [](AudioEffect& e) { return intptr_t(e.endEdit(7)); }, {44, 7, 0, nullptr, 0}},
        {"size window", [](AudioEffect& e) { return intptr_t(e.sizeWindow(811, 286)); }, {15, 811, 286, nullptr, 0}},
        {"wants events", [](AudioEffect& e) { return intptr_t(e.wantEvents()); }, {6, 0, 1, nullptr, 0}},
        {"time info", [](AudioEffect& e) { return reinterpret_cast<intptr_t>(e.getTimeInfo(0x600)); },
         {7, 0, 0x600, nullptr, 0}},
        {"I/O changed", [](AudioEffect& e) { return intptr_t(e.ioChanged()); }, {13, 0, 0, nullptr, 0}},
    };
    for (const Case& c : cases) {
        ProbeEffect effect(&recordingHost);
        gRequests.clear();
        gAnswer = 1;
        EXPECT_NE(c.call(effect), 0) << c.name;
        ASSERT_EQ(gRequests.size(), 1u) << c.name;
        EXPECT_TRUE(gRequests[0] == c.expected) << c.name << ": opcode " << gRequests[0].opcode;
        gAnswer = 0;
        EXPECT_EQ(c.call(effect), 0) << c.name << ": the host's 0 is passed on";

        ProbeEffect hostless(nullptr);
        EXPECT_EQ(c.call(hostless), 0) << c.name << " without a host";
    }
}

TEST(EffectBase, SetProgramReachesTheEffectBelowTheProgramCountWithNoLowerBound)
{
    ProbeEffect effect(nullptr);
    EffectRecord* record = effect.getRecord();
    const std::vector<intptr_t> values = {0, 2, 3, 5, -7, INTPTR_MAX};
    for (intptr_t value : values)
        EXPECT_EQ(record->dispatcher(record, 2, 0, value, nullptr, 0.0f), 0) << value;
    // Only values below the count of 3 arrive, the negative one among them.
    EXPECT_EQ(effect.programs, (std::vector<int32_t>{0, 2, -7}));
}

TEST(EffectBase, EditorRequestsAnswerZeroWithoutAnEditor)
{
    ProbeEffect effect(nullptr);
    EffectRecord* record = effect.getRecord();
    int parent = 0;
    EditorRect* rect = nullptr;
    EXPECT_EQ(record->dispatcher(record, 13, 0, 0, &rect, 0.0f), 0);
    EXPECT_EQ(rect, nullptr);
    for (int32_t opcode : {14, 15, 19, 59, 60, 61})
        EXPECT_EQ(record->dispatcher(record, opcode, 'a', 1, &parent, 2.0f), 0) << opcode;
}

TEST(EffectBase, KeyRequestsCarryCharacterVirtualKeyAndModifiersToTheEditor)
{
    ProbeEffect effect(nullptr);
    auto* editor = new KeyEditor(&effect);  // the base's teardown frees it
    effect.setEditor(editor);
    EffectRecord* record = effect.getRecord();
    EXPECT_EQ(record->dispatcher(record, 59, 'q', 13, nullptr, 4.0f), 0) << "a key the editor did not handle";
    editor->handles = true;
    EXPECT_EQ(record->dispatcher(record, 59, 0, 11, nullptr, 1.0f), 1);
    EXPECT_EQ(record->dispatcher(record, 60, 'q', 0, nullptr, 2.0f), 1);
    EXPECT_EQ(editor->keys, (std::vector<std::string>{"down 113 13 4", "down 0 11 1", "up 113 0 2"}));
}

}  // namespace
