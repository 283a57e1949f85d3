// The tool's command line: one subcommand, its positional arguments and options.
#pragma once

#include "hosts/vst2/Renderer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vst2host {

struct ParameterSetting
{
    int32_t index = 0;
    float value = 0.0f;
};

struct CommandLine
{
    std::string command;                  // info, render, save-chunk, load-chunk or edit
    std::vector<std::string> positionals;  // plug-in path first
    std::optional<std::string> program;    // --program NAME|NUMBER
    std::vector<ParameterSetting> parameters;  // --param INDEX=VALUE, in the order given
    int32_t blockSize = kDefaultBlockSize;  // --block N
    bool doublePrecision = false;         // --double
    double sampleRate = 0.0;              // --rate R; 0 keeps the input file's rate
    std::optional<std::string> screenshot;  // --screenshot FILE: PNG of the editor window
    int32_t screenshotAfterMs = 1000;     // --after MS: when the screenshot is taken
    int32_t durationMs = 5000;            // --duration MS: how long the editor stays open
    bool logAutomation = false;           // --log-automation: one line per automation and edit bracket
    bool help = false;                    // --help or -h: print the usage, nothing else
};

// False with error on an unknown command or option, a missing or malformed value, an option the command does
// not take, or the wrong number of positional arguments. --help or -h anywhere sets help and answers true.
bool parseCommandLine(const std::vector<std::string>& arguments, CommandLine& commandLine, std::string& error);
std::string usageText();

}  // namespace vst2host
