// vst2host: loads a VST 2 plug-in and reports on it, renders audio through it, or saves and loads its chunk.
#include "hosts/vst2/Commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::cerr << vst2host::usageText();
        return vst2host::kExitUsage;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        std::cout << vst2host::usageText();
        return vst2host::kExitSuccess;
    }
    return vst2host::runCommand(arguments, std::cout, std::cerr);
}
