// The vst2host tool run as a user would run it, against the real plug-in.
#include "E2eSupport.h"
#include "ToolProcess.h"

#include "hosts/vst2/AudioFile.h"
#include "hosts/vst2/ProgramSelection.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using e2e::firstDifference;
using e2e::kHostTool;
using e2e::kPluginPath;
using e2e::ScratchDirectory;
using e2e::ToolRun;
using vst2host::AudioBuffer;
using vst2host::HostedEffect;

ToolRun runTool(const std::vector<std::string>& arguments)
{
    return e2e::runTool(kHostTool, arguments);
}

void writeInput(const std::string& path, const AudioBuffer& buffer)
{
    std::string error;
    ASSERT_TRUE(vst2host::writeAudioFile(path, buffer, vst2host::SampleFormat::Float64, error)) << error;
}

AudioBuffer readOutput(const std::string& path)
{
    AudioBuffer buffer;
    std::string error;
    EXPECT_TRUE(vst2host::readAudioFile(path, buffer, error)) << error;
    return buffer;
}

size_t countLinesStartingWith(const std::string& text, const std::string& prefix)
{
    size_t count = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (text.compare(start, prefix.size(), prefix) == 0)
            ++count;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return count;
}

TEST(HostTool, InfoPrintsIdentityParametersAndPrograms)
{
    const ToolRun run = runTool({"info", kPluginPath});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* expected :
         {"magic           0x56737450 (VstP)", "unique ID       QKvp", "flags           0x00001031",
          "parameters      16", "effect name     Qor Kalvenor", "product         Qor Kalvenor - FET type compressor",
          "vendor version  1000", "category        4", "current program Default", "Threshold   -6.0",
          "Link        Linked", " 15  Squeezer", " 47  Init"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << "missing '" << expected << "' in\n" << run.output;
    const size_t programs = run.output.find("programs:\n");
    ASSERT_NE(programs, std::string::npos);
    EXPECT_EQ(countLinesStartingWith(run.output.substr(programs), "  "), 48u);
}

// The tool's file must hold exactly what the library renders in process with the same settings.
TEST(HostTool, RenderMatchesTheInProcessRender)
{
    ScratchDirectory scratch;
    const AudioBuffer input = e2e::testSignal(2);
    writeInput(scratch.file("in.wav"), input);

    const struct
    {
        const char* what;
        std::vector<std::string> options;
        bool doublePrecision;
        int32_t blockSize;
        const char* program;
        int32_t parameter;
        float value;
    } cases[] = {
        {"single, program by name", {"--program", "Squeezer", "--block", "256"}, false, 256, "Squeezer", -1, 0.0f},
        {"double, program by number and a parameter",
         {"--program", "9", "--param", "13=0.5", "--double", "--block=100"}, true, 100, "9", 13, 0.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> arguments = {"render", kPluginPath, scratch.file("in.wav"), scratch.file("out.wav")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const ToolRun run = runTool(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.output;

        HostedEffect effect;
        ASSERT_TRUE(effect.load(kPluginPath)) << effect.error();
        std::string error;
        ASSERT_TRUE(vst2host::selectProgram(effect, c.program, error)) << error;
        if (c.parameter >= 0)
            effect.setParameter(c.parameter, c.value);
        const AudioBuffer expected = e2e::renderOrFail(effect, input, c.blockSize, c.doublePrecision);

        const AudioBuffer output = readOutput(scratch.file("out.wav"));
        EXPECT_EQ(output.sampleRate, input.sampleRate);
        EXPECT_EQ(firstDifference(output, expected), "");
        EXPECT_NE(firstDifference(output, input), "") << "the effect did something";
    }
}

TEST(HostTool, MonoFileRendersToMonoFile)
{
    ScratchDirectory scratch;
    AudioBuffer input = e2e::testSignal(1);
    writeInput(scratch.file("mono.wav"), input);
    const ToolRun run = runTool({"render", kPluginPath, scratch.file("mono.wav"), scratch.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const AudioBuffer output = readOutput(scratch.file("out.wav"));
    EXPECT_EQ(output.channels, 1);
    EXPECT_EQ(output.frames(), input.frames());
    EXPECT_LT(e2e::rms(output, 0, input.frames() / 2, 3 * input.frames() / 4),
              e2e::rms(input, 0, input.frames() / 2, 3 * input.frames() / 4));
}

TEST(HostTool, RateOptionChangesTheEffectsTimingButNotTheFile)
{
    ScratchDirectory scratch;
    writeInput(scratch.file("in.wav"), e2e::testSignal(2));
    ASSERT_EQ(runTool({"render", kPluginPath, scratch.file("in.wav"), scratch.file("native.wav")}).exitCode, 0);
    const ToolRun run =
        runTool({"render", kPluginPath, scratch.file("in.wav"), scratch.file("fast.wav"), "--rate", "96000"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const AudioBuffer native = readOutput(scratch.file("native.wav"));
    const AudioBuffer fast = readOutput(scratch.file("fast.wav"));
    EXPECT_EQ(fast.sampleRate, e2e::kTestRate);
    EXPECT_NE(firstDifference(fast, native), "") << "time constants depend on the rate the effect is told";
}

TEST(HostTool, SavedChunkLoadsBackWithProgramAndParameters)
{
    ScratchDirectory scratch;
    const std::string chunkFile = scratch.file("squeezer.chunk");
    const ToolRun save =
        runTool({"save-chunk", kPluginPath, chunkFile, "--program", "Squeezer", "--param", "8=0.25"});
    ASSERT_EQ(save.exitCode, 0) << save.output;
    EXPECT_EQ(std::filesystem::file_size(chunkFile), 8u + 26537u);

    const ToolRun load = runTool({"load-chunk", kPluginPath, chunkFile});
    ASSERT_EQ(load.exitCode, 0) << load.output;
    for (const char* expected : {"chunk program   15", "current program Squeezer", "Threshold   -24.0",
                                 "Link        Unlnkd", "Makeup      9.0"})
        EXPECT_NE(load.output.find(expected), std::string::npos) << "missing '" << expected << "' in\n"
                                                                 << load.output;
}

TEST(HostTool, BadRequestsFailWithAMessage)
{
    ScratchDirectory scratch;
    writeInput(scratch.file("in.wav"), e2e::testSignal(2, 64));
    {
        std::ofstream junk(scratch.file("junk.chunk"), std::ios::binary);
        junk << "this is not a chunk";
    }
    const std::string in = scratch.file("in.wav");
    const std::string out = scratch.file("out.wav");
    const struct
    {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{}, 2, "usage"},
        {{"frobnicate", kPluginPath}, 2, "unknown command"},
        {{"info"}, 2, "takes 1 argument"},
        {{"render", kPluginPath, in}, 2, "takes 3 arguments"},
        {{"render", kPluginPath, in, out, "--block", "0"}, 2, "--block"},
        {{"render", kPluginPath, in, out, "--block"}, 2, "needs a value"},
        {{"render", kPluginPath, in, out, "--param", "8"}, 2, "INDEX=VALUE"},
        {{"render", kPluginPath, in, out, "--rate", "fast"}, 2, "--rate"},
        {{"render", kPluginPath, in, out, "--loud"}, 2, "unknown option"},
        {{"info", kPluginPath, "--double"}, 2, "does not take --double"},
        {{"load-chunk", kPluginPath, scratch.file("x"), "--program", "1"}, 2, "does not take --program"},
        {{"info", scratch.file("missing.so")}, 1, "cannot load plug-in"},
        {{"render", kPluginPath, scratch.file("missing.wav"), out}, 1, "cannot read"},
        {{"render", kPluginPath, in, out, "--program", "No Such"}, 1, "no program"},
        {{"render", kPluginPath, in, out, "--param", "99=0.5"}, 1, "no parameter 99"},
        {{"render", kPluginPath, in, scratch.file("no/such/dir/out.wav")}, 1, "cannot write"},
        {{"load-chunk", kPluginPath, scratch.file("junk.chunk")}, 1, "refused the chunk"},
        {{"load-chunk", kPluginPath, scratch.file("missing.chunk")}, 1, "cannot read"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments)
            shown += " " + argument;
        SCOPED_TRACE("vst2host" + shown);
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

}  // namespace
