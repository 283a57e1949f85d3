// rtashost's command line: the command, its files and its options.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace rtashost {

struct Options
{
    std::string command;
    std::vector<std::string> files;  // plug-in, then the command's files
    std::string type = "Kvss";       // --type
    int quantum = 32;                // --quantum: the engine's largest real-time block
    int buffer = 100;                // --buffer: samples per host buffer
    bool bypass = false;
    bool elck = false;                                       // --elck: the controls-state chunk instead of 'All '
    std::vector<std::pair<int, double>> controls;            // --control ID=VALUE
    std::string program;                                     // --program NAME|NUMBER
    bool help = false;                                       // --help or -h: print the usage, nothing else
};

// arguments: without the program's name. False with error on an unknown command or option, an option the command
// does not take, or a malformed value. --help or -h anywhere sets help and answers true.
bool parseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error);

extern const char kUsage[];

}  // namespace rtashost
