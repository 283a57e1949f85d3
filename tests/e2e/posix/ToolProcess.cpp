// Through the shell, each argument quoted, so that spaces and quotes in paths arrive unchanged.
#include "tests/e2e/ToolProcess.h"

#include <cstdio>

#include <sys/wait.h>

namespace e2e {
namespace {

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

ToolRun runTool(const std::string& tool, const std::vector<std::string>& arguments)
{
    std::string command = shellQuoted(tool);
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " 2>&1 </dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, count);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace e2e
