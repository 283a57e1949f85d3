// The tool's subcommands. Each writes its report to out, its complaints to err, and returns the exit code.
#pragma once

#include "hosts/vst2/CommandLine.h"

#include "hosts/common/ExitCodes.h"

#include <ostream>

namespace vst2host {

using hostcli::kExitFailure;
using hostcli::kExitSuccess;
using hostcli::kExitUsage;

int runInfo(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runRender(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runSaveChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runLoadChunk(const CommandLine& commandLine, std::ostream& out, std::ostream& err);
int runEdit(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

// Parses arguments (without the program name) and runs the command.
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vst2host
