// Runs a command-line tool of ours as a user would (a process of its own, nothing on its input) and collects what it
// printed and its exit code.
#pragma once

#include <string>
#include <vector>

namespace e2e {

struct ToolRun
{
    int exitCode = -1;   // -1 when the tool could not be started (on POSIX also when a signal ended it)
    std::string output;  // standard output and error together
};

ToolRun runTool(const std::string& tool, const std::vector<std::string>& arguments);

}  // namespace e2e
