#include "hosts/vst2/CommandLine.h"

#include "hosts/common/OptionParser.h"

#include <cstdint>

namespace vst2host {
namespace {

// Largest block a render may ask for; far above what any host uses, small enough for the buffers.
constexpr long kMaxBlockSize = 1 << 20;
// An editor session longer than a day is a typing mistake.
constexpr long kMaxEditorMs = 24L * 60 * 60 * 1000;

struct CommandShape
{
    const char* name;
    size_t positionals;
};

constexpr CommandShape kCommands[] = {
    {"info", 1}, {"render", 3}, {"save-chunk", 2}, {"load-chunk", 2}, {"edit", 1},
};

const CommandShape* findCommand(const std::string& name)
{
    for (const CommandShape& shape : kCommands)
        if (name == shape.name)
            return &shape;
    return nullptr;
}

bool takeMilliseconds(const std::string& option, const std::string& text, int32_t& ms, std::string& error)
{
    long value = 0;
    if (!hostcli::toWholeNumber(option, text, 0, kMaxEditorMs, value, error)) {
        error = option + " wants milliseconds from 0 to " + std::to_string(kMaxEditorMs) + ", not '" + text + "'";
        return false;
    }
    ms = static_cast<int32_t>(value);
    return true;
}

std::vector<hostcli::OptionRule> rulesFor(CommandLine& line)
{
    const std::vector<std::string> programCommands = {"render", "save-chunk", "edit"};
    const std::vector<std::string> renderCommands = {"render"};
    const std::vector<std::string> editorCommands = {"edit"};
    return {
        {"--program", true, programCommands,
         [&line](const std::string& value, std::string& error) {
             std::string program;
             if (!hostcli::toProgram("--program", value, program, error))
                 return false;
             line.program = program;
             return true;
         }},
        {"--param", true, programCommands,
         [&line](const std::string& value, std::string& error) {
             std::string key;
             double normalised = 0.0;
             long index = 0;
             if (!hostcli::toSetting("--param", "INDEX", value, key, normalised, error))
                 return false;
             if (!hostcli::toWholeNumber("--param", key, 0, INT32_MAX, index, error)) {
                 error = "--param wants INDEX=VALUE with INDEX a parameter's number, not '" + value + "'";
                 return false;
             }
             line.parameters.push_back({static_cast<int32_t>(index), static_cast<float>(normalised)});
             return true;
         }},
        {"--block", true, renderCommands,
         [&line](const std::string& value, std::string& error) {
             long frames = 0;
             if (!hostcli::toWholeNumber("--block", value, 1, kMaxBlockSize, frames, error))
                 return false;
             line.blockSize = static_cast<int32_t>(frames);
             return true;
         }},
        hostcli::flagRule("--double", renderCommands, line.doublePrecision),
        {"--rate", true, renderCommands,
         [&line](const std::string& value, std::string& error) {
             return hostcli::toPositive("--rate", value, line.sampleRate, error);
         }},
        {"--screenshot", true, editorCommands,
         [&line](const std::string& value, std::string& error) {
             if (value.empty()) {
                 error = "--screenshot needs a file name";
                 return false;
             }
             line.screenshot = value;
             return true;
         }},
        {"--after", true, editorCommands,
         [&line](const std::string& value, std::string& error) {
             return takeMilliseconds("--after", value, line.screenshotAfterMs, error);
         }},
        {"--duration", true, editorCommands,
         [&line](const std::string& value, std::string& error) {
             return takeMilliseconds("--duration", value, line.durationMs, error);
         }},
        hostcli::flagRule("--log-automation", editorCommands, line.logAutomation),
    };
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& arguments, CommandLine& commandLine, std::string& error)
{
    commandLine = CommandLine{};
    std::vector<std::string> commands;
    for (const CommandShape& shape : kCommands)
        commands.push_back(shape.name);
    hostcli::ParsedArguments parsed;
    if (!hostcli::parseArguments(arguments, commands, rulesFor(commandLine), parsed, error))
        return false;
    commandLine.help = parsed.help;
    if (commandLine.help)
        return true;
    commandLine.command = parsed.command;
    commandLine.positionals = parsed.files;
    const CommandShape* shape = findCommand(commandLine.command);
    if (commandLine.positionals.size() != shape->positionals) {
        error = commandLine.command + " takes " + std::to_string(shape->positionals) + " argument" +
                (shape->positionals == 1 ? "" : "s") + ", got " + std::to_string(commandLine.positionals.size());
        return false;
    }
    return true;
}

std::string usageText()
{
    return "usage:\n"
           "  vst2host info PLUGIN\n"
           "  vst2host render PLUGIN IN OUT [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "                  [--block N] [--double] [--rate R]\n"
           "  vst2host save-chunk PLUGIN FILE [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "  vst2host load-chunk PLUGIN FILE\n"
           "  vst2host edit PLUGIN [--screenshot FILE.png] [--after MS] [--duration MS] [--log-automation]\n"
           "                [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "  vst2host --help\n"
           "\n"
           "VALUE is a normalised value, a number from 0 to 1. IN is any audio file libsndfile reads, mono or\n"
           "stereo; OUT's extension names its format (.wav, .flac, .aiff, ...), written with 32-bit float samples\n"
           "(64-bit with --double) where the format has them, else with the most bits it has. --rate is the rate\n"
           "told to the effect (default: IN's); the audio is not resampled.\n"
           "edit opens the effect's editor in a window of its own for --duration ms (default 5000), saves the\n"
           "window as a PNG --after ms (default 1000) when --screenshot is given, and with --log-automation prints\n"
           "the effect's automation (opcode 0) and edit brackets (43, 44) as they arrive.\n"
           "Exit codes: 0 done, 1 failed (one line says why), 2 malformed command line.\n";
}

}  // namespace vst2host
