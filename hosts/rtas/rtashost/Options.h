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
};

// False with error on an unknown option or a malformed value.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

}  // namespace rtashost
