// aaxhost: an AAX host of ours on the command line. It drives a plug-in file only through its exports and the
// interfaces the plug-in and host exchange (hosts/aax/AcfTables.h).
#include <iostream>
#include <string>

#include "hosts/aax/cli/Commands.h"
#include "hosts/aax/cli/Options.h"

namespace {

const char kUsage[] =
    "usage: aaxhost describe PLUGIN\n"
    "       aaxhost render PLUGIN IN.wav OUT.wav [--config 0|1|2] [--block N] [--bypass] [--param ID=VALUE ...]\n"
    "                      [--program NAME|NUMBER] [--raw [--rate R]]\n"
    "       aaxhost save-state PLUGIN FILE [--chunk All|elck] [--param ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       aaxhost load-state PLUGIN FILE [--chunk All|elck]\n"
    "       aaxhost edit PLUGIN [--screenshot FILE.png] [--duration MS]\n";

}  // namespace

int main(int argc, char** argv)
{
    aaxhost::Options options;
    std::string error;
    if (!aaxhost::parseOptions(argc, argv, options, error))
    {
        std::cerr << "aaxhost: " << error << "\n" << kUsage;
        return 2;
    }
    if (options.command == "describe")
        return aaxhost::describe(options, std::cout, std::cerr);
    if (options.command == "render")
        return aaxhost::render(options, std::cout, std::cerr);
    if (options.command == "save-state")
        return aaxhost::saveState(options, std::cout, std::cerr);
    if (options.command == "load-state")
        return aaxhost::loadState(options, std::cout, std::cerr);
    if (options.command == "edit")
        return aaxhost::edit(options, std::cout, std::cerr);
    std::cerr << "aaxhost: unknown command " << options.command << "\n" << kUsage;
    return 2;
}
