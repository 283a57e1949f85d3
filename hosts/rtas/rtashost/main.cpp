// rtashost: an RTAS host of ours on the command line. It drives a plug-in file only through its exports and routines
// (rtas/framework/host/PlugInRoutines.h), over the stand-in host kit's engine and toolbox.
#include "hosts/rtas/rtashost/Commands.h"
#include "hosts/rtas/rtashost/Options.h"

#include "hosts/common/CommandGuard.h"
#include "hosts/common/ExitCodes.h"
#include "hosts/common/ProgramArguments.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    rtashost::Options options;
    std::string error;
    if (!rtashost::parseOptions(hostcli::programArguments(argc, argv), options, error)) {
        std::cerr << "rtashost: " << error << "\n\n" << rtashost::kUsage;
        return hostcli::kExitUsage;
    }
    if (options.help) {
        std::cout << rtashost::kUsage;
        return hostcli::kExitSuccess;
    }
    return hostcli::runGuarded("rtashost", std::cerr, [&] {
        if (options.command == "info")
            return rtashost::info(options, std::cout, std::cerr);
        if (options.command == "render")
            return rtashost::render(options, std::cout, std::cerr);
        if (options.command == "save-state")
            return rtashost::saveState(options, std::cout, std::cerr);
        return rtashost::loadState(options, std::cout, std::cerr);
    });
}
