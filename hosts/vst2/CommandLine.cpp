#include "hosts/vst2/CommandLine.h"

#include <cerrno>
#include <cstdint>
#include <cmath>
#include <cstdlib>

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
    bool takesProgramAndParameters;
    bool takesRenderOptions;
    bool takesEditorOptions;
};

constexpr CommandShape kCommands[] = {
    {"info", 1, false, false, false},
    {"render", 3, true, true, false},
    {"save-chunk", 2, true, false, false},
    {"load-chunk", 2, false, false, false},
    {"edit", 1, true, false, true},
};

bool parseLong(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

bool parseDouble(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(value);
}

bool parseParameter(const std::string& text, ParameterSetting& setting)
{
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
        return false;
    long index = 0;
    double value = 0.0;
    if (!parseLong(text.substr(0, equals), index) || index < 0 || index > INT32_MAX ||
        !parseDouble(text.substr(equals + 1), value))
        return false;
    setting.index = static_cast<int32_t>(index);
    setting.value = static_cast<float>(value);
    return true;
}

bool parseMilliseconds(const std::string& option, const std::string& text, int32_t& ms, std::string& error)
{
    long value = 0;
    if (!parseLong(text, value) || value < 0 || value > kMaxEditorMs) {
        error = option + " wants milliseconds from 0 to " + std::to_string(kMaxEditorMs) + ", not '" + text + "'";
        return false;
    }
    ms = static_cast<int32_t>(value);
    return true;
}

const CommandShape* findCommand(const std::string& name)
{
    for (const CommandShape& shape : kCommands)
        if (name == shape.name)
            return &shape;
    return nullptr;
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& arguments, CommandLine& commandLine, std::string& error)
{
    commandLine = CommandLine{};
    if (arguments.empty()) {
        error = "no command given";
        return false;
    }
    commandLine.command = arguments[0];
    const CommandShape* shape = findCommand(commandLine.command);
    if (shape == nullptr) {
        error = "unknown command '" + commandLine.command + "'";
        return false;
    }

    for (size_t at = 1; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            commandLine.positionals.push_back(argument);
            continue;
        }
        std::string option = argument;
        std::optional<std::string> inlineValue;
        if (const size_t equals = argument.find('='); equals != std::string::npos) {
            option = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        const bool programOption = option == "--program" || option == "--param";
        const bool renderOption = option == "--block" || option == "--double" || option == "--rate";
        const bool editorOption = option == "--screenshot" || option == "--after" || option == "--duration" ||
                                  option == "--log-automation";
        if (!programOption && !renderOption && !editorOption) {
            error = "unknown option '" + option + "'";
            return false;
        }
        if ((programOption && !shape->takesProgramAndParameters) || (renderOption && !shape->takesRenderOptions) ||
            (editorOption && !shape->takesEditorOptions)) {
            error = commandLine.command + " does not take " + option;
            return false;
        }

        const bool needsValue = option != "--double" && option != "--log-automation";
        std::string value;
        if (needsValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (at + 1 < arguments.size()) {
                value = arguments[++at];
            } else {
                error = option + " needs a value";
                return false;
            }
        } else if (inlineValue) {
            error = option + " takes no value";
            return false;
        }

        if (option == "--program") {
            if (value.empty()) {
                error = "--program needs a name or a number";
                return false;
            }
            commandLine.program = value;
        } else if (option == "--param") {
            ParameterSetting setting;
            if (!parseParameter(value, setting)) {
                error = "--param wants INDEX=VALUE (a parameter number and a normalised value), not '" + value + "'";
                return false;
            }
            commandLine.parameters.push_back(setting);
        } else if (option == "--block") {
            long frames = 0;
            if (!parseLong(value, frames) || frames < 1 || frames > kMaxBlockSize) {
                error = "--block wants a whole number from 1 to " + std::to_string(kMaxBlockSize) + ", not '" +
                        value + "'";
                return false;
            }
            commandLine.blockSize = static_cast<int32_t>(frames);
        } else if (option == "--rate") {
            double rate = 0.0;
            if (!parseDouble(value, rate) || rate <= 0.0) {
                error = "--rate wants a positive sample rate, not '" + value + "'";
                return false;
            }
            commandLine.sampleRate = rate;
        } else if (option == "--screenshot") {
            if (value.empty()) {
                error = "--screenshot needs a file name";
                return false;
            }
            commandLine.screenshot = value;
        } else if (option == "--after") {
            if (!parseMilliseconds(option, value, commandLine.screenshotAfterMs, error))
                return false;
        } else if (option == "--duration") {
            if (!parseMilliseconds(option, value, commandLine.durationMs, error))
                return false;
        } else if (option == "--log-automation") {
            commandLine.logAutomation = true;
        } else {
            commandLine.doublePrecision = true;
        }
    }

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
           "  vst2host render PLUGIN IN.wav OUT.wav [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "                  [--block N] [--double] [--rate R]\n"
           "  vst2host save-chunk PLUGIN FILE [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "  vst2host load-chunk PLUGIN FILE\n"
           "  vst2host edit PLUGIN [--screenshot FILE.png] [--after MS] [--duration MS] [--log-automation]\n"
           "                [--program NAME|NUMBER] [--param INDEX=VALUE ...]\n"
           "\n"
           "Parameter values are normalised (0..1). --double renders in double precision and writes a 64-bit\n"
           "float WAV (32-bit otherwise). --rate is the rate told to the effect (default: the input file's);\n"
           "the audio is not resampled.\n"
           "edit opens the effect's editor in a window of its own for --duration ms (default 5000), saves the\n"
           "window as a PNG --after ms (default 1000) when --screenshot is given, and with --log-automation prints\n"
           "the effect's automation (opcode 0) and edit brackets (43, 44) as they arrive.\n";
}

}  // namespace vst2host
