#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "effect/ParameterText.h"
#include "effect/editor/AEffGUIEditor.h"
#include "effect/editor/Qor245Editor.h"
#include "effect/editor/controls/CQorTextEdit.h"
#include "gui/CFrame.h"
#include "gui/VstKeyCode.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/effect/EffectFixture.h"

class DispatcherTest : public EffectFixture
{
};

TEST_F(DispatcherTest, ScalarReplies)
{
    struct Case
    {
        int32_t opcode, index;
        intptr_t value;
        intptr_t expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0},             // open
        {3, 0, 0, 0},             // hosts always see program 0
        {22, 3, 9, 0x4E764566},   // identify, whatever the arguments
        {25, 0, 0, 0},            // events
        {35, 0, 0, 4},            // mastering category
        {49, 0, 0, 1000},         // vendor version
        {58, 0, 0, 2400},         // VST version
        {61, 0, 2, 0},            // knob mode is declined
        {73, 0, 12345, 12345},    // total samples echo the value
        {12, 0, 1, 0},            // resume
        {12, 0, 0, 0},            // suspend
        {79, 0, 0, 0},            // an extended default
    };
    for (const Case& c : cases)
        EXPECT_EQ(dispatch(c.opcode, c.index, c.value), c.expected) << "opcode " << c.opcode;
}

TEST_F(DispatcherTest, CanBeAutomatedExceptPlaceholdersAndAbove13)
{
    for (int32_t i = -1; i < 20; ++i) {
        const bool expected = i >= 0 && i <= 13 && i != 3 && i != 7;
        EXPECT_EQ(dispatch(26, i), expected ? 1 : 0) << i;
    }
}

TEST_F(DispatcherTest, CanDoIsExactAndCaseSensitive)
{
    const std::pair<const char*, intptr_t> cases[] = {
        {"offline", 1},  {"plugAsChannelInsert", 1}, {"mixDryWet", 1}, {"1in1out", 1}, {"1in2out", 1},
        {"2in2out", 1},  {"2In2Out", 0},             {"sizeWindow", 0}, {"", 0},       {"2in2out ", 0},
    };
    for (const auto& [capability, expected] : cases) {
        std::string copy = capability;
        EXPECT_EQ(dispatch(51, 0, 0, copy.data()), expected) << capability;
    }
}

TEST_F(DispatcherTest, IdentityTexts)
{
    EXPECT_EQ(text(45, 0), "Qor Kalvenor");
    EXPECT_EQ(text(48, 0), "Qor Kalvenor - FET type compressor");
    std::string vendor = text(47, 0);
    EXPECT_FALSE(vendor.empty());
    EXPECT_LT(vendor.size(), 64u);
    EXPECT_EQ(dispatch(45, 0, 0, nullptr), 0);  // a host that passes no buffer gets no answer, not a crash
}

TEST_F(DispatcherTest, PinProperties)
{
    for (int32_t opcode : {33, 34}) {
        const char* suffix = opcode == 33 ? "In" : "Out";
        for (int32_t index : {0, 1}) {
            PinProperties pin;
            std::memset(&pin, 0x5A, sizeof pin);
            ASSERT_EQ(dispatch(opcode, index, 0, &pin), 1);
            EXPECT_EQ(std::string(pin.label), "Qor Kalvenor " + std::to_string(index + 1) + " " + suffix);
            EXPECT_EQ(pin.flags, 3);
        }
        PinProperties untouched;
        std::memset(&untouched, 0x5A, sizeof untouched);
        PinProperties probe = untouched;
        EXPECT_EQ(dispatch(opcode, 2, 0, &probe), 0);
        EXPECT_EQ(std::memcmp(&probe, &untouched, sizeof probe), 0);
    }
}

TEST_F(DispatcherTest, ParameterProperties)
{
    struct Case
    {
        int32_t index, flags;
        float step, small, large;
        const char* label;
        const char* shortLabel;
    };
    const Case cases[] = {
        {0, 5, 0.5f, 0.5f, 0.5f, "Power", "Power"},
        {4, 5, 0.5f, 0.5f, 0.5f, "ScHpfSt", "ScHpfSt"},
        {11, 5, 0.5f, 0.5f, 0.5f, "Link", "Link"},
        {12, 5, 0.5f, 0.5f, 0.5f, "BlndSt", "BlndSt"},
        {9, 4, 1.0f / 3, 1.0f / 6, 1.0f / 3, "Channel", "Channel"},
        {8, 4, 1.0f / 48, 1.0f / 192, 1.0f / 48, "Threshold", "Thresho"},
        {10, 4, 1.0f / 48, 1.0f / 192, 1.0f / 48, "Makeup", "Makeup"},
        {1, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Attack", "Attack"},
        {2, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Release", "Release"},
        {5, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "ScHpf", "ScHpf"},
        {6, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Ratio", "Ratio"},
        {13, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Blend", "Blend"},
    };
    for (const Case& c : cases) {
        ParameterProperties p{};
        ASSERT_EQ(dispatch(56, c.index, 0, &p), 1) << c.index;
        EXPECT_EQ(p.flags, c.flags) << c.index;
        EXPECT_FLOAT_EQ(p.stepFloat, c.step) << c.index;
        EXPECT_FLOAT_EQ(p.smallStepFloat, c.small) << c.index;
        EXPECT_FLOAT_EQ(p.largeStepFloat, c.large) << c.index;
        EXPECT_STREQ(p.label, c.label);
        EXPECT_STREQ(p.shortLabel, c.shortLabel);
    }
    for (int32_t index : {3, 7, 14, 15, 16, 40}) {
        ParameterProperties p{};
        EXPECT_EQ(dispatch(56, index, 0, &p), 0) << index;
    }
}

TEST_F(DispatcherTest, SpeakerArrangementDecidesStereo)
{
    struct Case
    {
        int32_t in, out;
        intptr_t reply;
        bool stereo;
    };
    const Case cases[] = {{1, 1, 1, false}, {1, 2, 1, true}, {2, 2, 1, true}, {2, 1, 0, true}, {0, 2, 0, true},
                          {1, 1, 1, false}, {6, 6, 0, true}};
    for (const Case& c : cases) {
        SpeakerArrangement input{}, output{};
        input.numChannels = c.in;
        output.numChannels = c.out;
        EXPECT_EQ(dispatch(42, 0, reinterpret_cast<intptr_t>(&input), &output), c.reply) << c.in << "/" << c.out;
        EXPECT_EQ(effect->outputStereo(), c.stereo) << c.in << "/" << c.out;
    }
}

TEST_F(DispatcherTest, GetSpeakerArrangementClearsBothPointers)
{
    SpeakerArrangement dummy{};
    SpeakerArrangement* input = &dummy;
    SpeakerArrangement* output = &dummy;
    EXPECT_EQ(dispatch(69, 0, reinterpret_cast<intptr_t>(&input), &output), 0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

// The host's program requests (opcode 2, below the count of 1 or not, negative ones included) never change the
// internal program or the values: the 48 programs are chosen in the editor.
TEST_F(DispatcherTest, SetProgramRequestsLeaveTheInternalProgramAsItIs)
{
    effect->setCurrentProgram(4);
    set(8, 0.3f);
    for (intptr_t value : {intptr_t(0), intptr_t(5), intptr_t(-7)}) {
        EXPECT_EQ(dispatch(2, 0, value), 0) << value;
        EXPECT_EQ(effect->getCurrentProgramIndex(), 4) << value;
        EXPECT_FLOAT_EQ(get(8), 0.3f) << value;
        EXPECT_EQ(dispatch(3), 0) << value;
    }
}

TEST_F(DispatcherTest, EditorRectangleOpenIdleAndClose)
{
    editortest::HeadlessWindows windows;
    EditorRect* rect = nullptr;
    ASSERT_EQ(dispatch(13, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 286);
    EXPECT_EQ(rect->right, 811);

    AEffEditor* editor = effect->getEditor();
    EXPECT_EQ(dispatch(14, 0, 0, nullptr), 0) << "no parent window";
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(dispatch(14, 0, 0, editortest::fakeParent()), 1);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_NE(static_cast<AEffGUIEditor*>(editor)->getFrame(), nullptr);
    const int processed = windows.state().processed.load();
    EXPECT_EQ(dispatch(19), 0);
    EXPECT_GT(windows.state().processed.load(), processed) << "idle runs the window's events";
    EXPECT_EQ(dispatch(15), 0);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(windows.state().destroyed.load(), 1);
    EXPECT_EQ(dispatch(19), 0);
}

// Keys reach the editor's frame through opcodes 59 and 60: a character typed into the name field, then Return,
// renames the program.
TEST_F(DispatcherTest, KeyRequestsReachTheEditor)
{
    editortest::HeadlessWindows windows;
    EXPECT_EQ(dispatch(59, 'a'), 0) << "no window yet";
    ASSERT_EQ(dispatch(14, 0, 0, editortest::fakeParent()), 1);
    EXPECT_EQ(dispatch(59, 'a'), 0) << "no field is being edited";

    auto* editor = static_cast<Qor245Editor*>(effect->getEditor());
    CFrame* frame = editor->getFrame();
    CPoint field(200, 277);
    auto* nameField = dynamic_cast<CQorTextEdit*>(frame->getViewAt(field));
    ASSERT_NE(nameField, nullptr);
    frame->onMouseDown(field, CButtonState(kLButton));
    ASSERT_TRUE(nameField->isEditing());
    const std::string before = text(5, 0);
    EXPECT_EQ(dispatch(59, 'Z'), 1);
    EXPECT_EQ(dispatch(60, 'Z'), 0) << "releases are not used";
    EXPECT_EQ(dispatch(59, 0, VKEY_RETURN), 1);
    EXPECT_FALSE(nameField->isEditing());
    EXPECT_EQ(text(5, 0), before + "Z");
    dispatch(15);
}

// Names, units and display texts stay inside the host's buffers (the bytes after them are never written), and are
// the texts of the table whole.
TEST_F(DispatcherTest, ParameterTextsStayInsideTheirBuffers)
{
    const char* const names[] = {"Power", "Attack", "Release", "-",      "ScHpfSt", "ScHpf", "Ratio", "-",
                                 "Threshold", "Channel", "Makeup", "Link", "BlndSt", "Blend", "-", "-"};
    const float values[] = {0.0f, 0.5f, 1.0f};
    for (int32_t index = -1; index < 19; ++index) {
        for (const auto& [opcode, bound] : {std::pair<int32_t, size_t>{6, kParameterTextSize},
                                            std::pair<int32_t, size_t>{7, kParameterTextSize},
                                            std::pair<int32_t, size_t>{8, kParameterNameSize}}) {
            for (float v : values) {
                if (index >= 0 && index < 16)
                    set(index, v);
                char buffer[64];
                std::memset(buffer, 0x5A, sizeof buffer);
                dispatch(opcode, index, 0, buffer);
                const size_t length = strnlen(buffer, sizeof buffer);
                EXPECT_LT(length, bound) << "opcode " << opcode << ", parameter " << index;
                for (size_t i = length + 1; i < sizeof buffer; ++i)
                    ASSERT_EQ(buffer[i], 0x5A) << "opcode " << opcode << ", parameter " << index << ", byte " << i;
                if (opcode == 8) {
                    EXPECT_EQ(std::string(buffer), index >= 0 && index < 16 ? names[index] : "") << index;
                } else if (opcode == 6) {
                    EXPECT_EQ(std::string(buffer), "  ") << index;
                }
            }
        }
    }
}

TEST_F(DispatcherTest, ProgramNamesAndRename)
{
    EXPECT_EQ(text(5, 0), "Default");
    char name[64] = {};
    EXPECT_EQ(dispatch(29, 17, 0, name), 1);
    EXPECT_STREQ(name, "Magnetizer");
    EXPECT_EQ(dispatch(29, 47, 0, name), 1);
    EXPECT_STREQ(name, "Init");
    EXPECT_EQ(dispatch(29, 48, 0, name), 0);
    EXPECT_EQ(dispatch(29, -1, 0, name), 0);

    char longName[] = "abcdefghijklmnopqrstuvwxyz1234";  // 30 characters
    dispatch(4, 0, 0, longName);
    EXPECT_EQ(text(5, 0), "abcdefghijklmnopqrstuvw");  // first 23
    char shortName[] = "Mine";
    dispatch(4, 0, 0, shortName);
    EXPECT_EQ(text(5, 0), "Mine");
    char buffer[64] = {};
    dispatch(29, 0, 0, buffer);
    EXPECT_STREQ(buffer, "Mine");
}

TEST_F(DispatcherTest, SampleRateReachesTheCoreAtResume)
{
    dispatch(10, 0, 0, nullptr, 96000.0f);
    EXPECT_EQ(effect->core().sampleRate(), 44100.0f);
    dispatch(12, 0, 1);
    EXPECT_EQ(effect->core().sampleRate(), 96000.0f);
    dispatch(12, 0, 0);
    dispatch(10, 0, 0, nullptr, 22050.0f);
    dispatch(12, 0, 1);
    EXPECT_EQ(effect->core().sampleRate(), 44100.0f);  // below the accepted range
}

TEST_F(DispatcherTest, HostCannotChangeTheKnobMode)
{
    auto* editor = static_cast<AEffGUIEditor*>(effect->getEditor());
    const int32_t before = editor->getKnobMode();
    EXPECT_EQ(dispatch(61, 0, before + 1), 0);
    EXPECT_EQ(editor->getKnobMode(), before);
    EXPECT_TRUE(editor->selectKnobMode(before + 1));  // only the editor chooses it
    EXPECT_EQ(editor->getKnobMode(), before + 1);
    editor->selectKnobMode(before);
}
