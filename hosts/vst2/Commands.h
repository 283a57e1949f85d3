// The tool's subcommands. Each writes its report to out, its complaints to err, and returns the exit code.
#pragma once

#include "hosts/vst2/CommandLine.h"

#include <ostream>

namespace vst2host {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // the plug-in, a file or the effect failed
constexpr int kExitUsage = 2;    // the command line is wrong

int runInfo(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runRender(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runSaveChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runLoadChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runEdit(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

// Parses arguments (without the program name) and runs the command.
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vst2host
