// rtashost: an RTAS host of ours on the command line. It drives a plug-in file only through its exports and routines
// (rtas/framework/host/PlugInRoutines.h), over the stand-in host kit's engine and toolbox.
#include "hosts/rtas/rtashost/Commands.h"
#include "hosts/rtas/rtashost/Options.h"

#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: rtashost info PLUGIN [--type ID]\n"
    "       rtashost render PLUGIN IN OUT [--type Kvmm|Kvms|Kvss|Kvas|Kvam] [--quantum N] [--buffer N] [--bypass]\n"
    "                       [--control ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       rtashost save-state PLUGIN FILE [--elck] [--type ID] [--control ID=VALUE ...] [--program NAME|NUMBER]\n"
    "       rtashost load-state PLUGIN FILE [--elck] [--type ID]\n"
    "IN and OUT: raw little-endian 32-bit floats, channels interleaved, 44100 Hz. VALUE: 0 to 1.\n";

}  // namespace

int main(int argc, char** argv)
{
    rtashost::Options options;
    std::string error;
    if (!rtashost::parseOptions(argc, argv, options, error)) {
        std::cerr << "rtashost: " << error << "\n" << kUsage;
        return 2;
    }
    if (options.command == "info")
        return rtashost::info(options, std::cout, std::cerr);
    if (options.command == "render")
        return rtashost::render(options, std::cout, std::cerr);
    if (options.command == "save-state")
        return rtashost::saveState(options, std::cout, std::cerr);
    if (options.command == "load-state")
        return rtashost::loadState(options, std::cout, std::cerr);
    std::cerr << "rtashost: unknown command " << options.command << "\n" << kUsage;
    return 2;
}
