// vst2host: loads a VST 2 plug-in and reports on it, renders audio through it, or saves and loads its chunk.
#include "hosts/vst2/Commands.h"

#include "hosts/common/CommandGuard.h"
#include "hosts/common/ProgramArguments.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = hostcli::programArguments(argc, argv);
    if (arguments.empty()) {
        std::cerr << vst2host::usageText();
        return vst2host::kExitUsage;
    }
    return hostcli::runGuarded("vst2host", std::cerr,
                               [&] { return vst2host::runCommand(arguments, std::cout, std::cerr); });
}
