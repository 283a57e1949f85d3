// aaxhost: an AAX host of ours on the command line. It drives a plug-in file only through its exports and the
// interfaces the plug-in and host exchange (hosts/aax/AcfTables.h).
#include <iostream>
#include <string>

#include "hosts/aax/cli/Commands.h"
#include "hosts/aax/cli/Options.h"
#include "hosts/common/CommandGuard.h"
#include "hosts/common/ExitCodes.h"
#include "hosts/common/ProgramArguments.h"

int main(int argc, char** argv)
{
    aaxhost::Options options;
    std::string error;
    if (!aaxhost::parseOptions(hostcli::programArguments(argc, argv), options, error))
    {
        std::cerr << "aaxhost: " << error << "\n\n" << aaxhost::kUsage;
        return hostcli::kExitUsage;
    }
    if (options.help)
    {
        std::cout << aaxhost::kUsage;
        return hostcli::kExitSuccess;
    }
    return hostcli::runGuarded("aaxhost", std::cerr, [&] {
        if (options.command == "describe")
            return aaxhost::describe(options, std::cout, std::cerr);
        if (options.command == "render")
            return aaxhost::render(options, std::cout, std::cerr);
        if (options.command == "save-state")
            return aaxhost::saveState(options, std::cout, std::cerr);
        if (options.command == "load-state")
            return aaxhost::loadState(options, std::cout, std::cerr);
        return aaxhost::edit(options, std::cout, std::cerr);
    });
}
