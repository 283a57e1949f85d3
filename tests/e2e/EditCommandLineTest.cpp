// The edit command's options and the automation lines it prints (the window itself is tested under Xvfb and Wine).
#include <gtest/gtest.h>

#include "effect/vst2/Opcodes.h"
#include "hosts/vst2/CommandLine.h"
#include "hosts/vst2/EditorSession.h"

namespace {

using vst2host::CommandLine;
using vst2host::HostCall;
using vst2host::parseCommandLine;

TEST(EditCommandLine, OptionsAndDefaults)
{
    CommandLine line;
    std::string error;
    ASSERT_TRUE(parseCommandLine({"edit", "p.so"}, line, error)) << error;
    EXPECT_EQ(line.command, "edit");
    EXPECT_FALSE(line.screenshot);
    EXPECT_EQ(line.screenshotAfterMs, 1000);
    EXPECT_EQ(line.durationMs, 5000);
    EXPECT_FALSE(line.logAutomation);

    ASSERT_TRUE(parseCommandLine({"edit", "p.so", "--screenshot", "shot.png", "--after=1500", "--duration", "6000",
                                  "--log-automation", "--param", "8=0.25", "--program", "2"},
                                 line, error))
        << error;
    ASSERT_TRUE(line.screenshot);
    EXPECT_EQ(*line.screenshot, "shot.png");
    EXPECT_EQ(line.screenshotAfterMs, 1500);
    EXPECT_EQ(line.durationMs, 6000);
    EXPECT_TRUE(line.logAutomation);
    ASSERT_EQ(line.parameters.size(), 1u);
    EXPECT_EQ(line.parameters[0].index, 8);
    ASSERT_TRUE(line.program);
    EXPECT_EQ(*line.program, "2");
}

TEST(EditCommandLine, BadOptionsAreRefused)
{
    const struct
    {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"edit"}, "takes 1 argument"},
        {{"edit", "p.so", "--after", "-5"}, "--after wants milliseconds"},
        {{"edit", "p.so", "--duration", "soon"}, "--duration wants milliseconds"},
        {{"edit", "p.so", "--duration", "99999999999"}, "--duration wants milliseconds"},
        {{"edit", "p.so", "--screenshot"}, "needs a value"},
        {{"edit", "p.so", "--screenshot="}, "needs a file name"},
        {{"edit", "p.so", "--log-automation=yes"}, "takes no value"},
        {{"edit", "p.so", "--block", "64"}, "does not take --block"},
        {{"render", "p.so", "in.wav", "out.wav", "--screenshot", "x.png"}, "does not take --screenshot"},
        {{"info", "p.so", "--log-automation"}, "does not take --log-automation"},
    };
    for (const auto& c : cases) {
        CommandLine line;
        std::string error;
        EXPECT_FALSE(parseCommandLine(c.arguments, line, error)) << c.arguments.back();
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

TEST(EditCommandLine, AutomationLinesCarryOpcodeIndexAndValue)
{
    const auto call = [](int32_t opcode, int32_t index, intptr_t value, float opt) {
        HostCall c;
        c.opcode = opcode;
        c.index = index;
        c.value = value;
        c.opt = opt;
        return c;
    };
    EXPECT_EQ(vst2host::automationLine(call(audioMasterBeginEdit, 8, 0, 0.f)), "opcode 43 index 8 value 0");
    EXPECT_EQ(vst2host::automationLine(call(audioMasterAutomate, 8, 0, 0.625f)), "opcode 0 index 8 value 0.625000");
    EXPECT_EQ(vst2host::automationLine(call(audioMasterEndEdit, 8, 0, 0.f)), "opcode 44 index 8 value 0");
    EXPECT_EQ(vst2host::automationLine(call(audioMasterIdle, 0, 0, 0.f)), "") << "other callbacks are not printed";
    EXPECT_EQ(vst2host::automationLine(call(audioMasterGetTime, 0, 0, 0.f)), "");
}

}  // namespace
