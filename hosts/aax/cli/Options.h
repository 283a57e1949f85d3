// aaxhost's command line: the command, its files and its options.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace aaxhost {

struct Options
{
    std::string command;
    std::vector<std::string> files;  // plug-in, then the command's files
    int configuration = 2;           // --config: 0 mono, 1 mono in and stereo out, 2 stereo
    int block = 512;
    bool bypass = false;
    bool raw = false;
    double rate = 44100.0;  // --rate: the rate of a raw input file
    std::vector<std::pair<std::string, double>> parameters;  // --param ID=VALUE
    std::string program;                                     // --program NAME|NUMBER
    std::string chunk = "All";                               // --chunk All|elck
    std::string screenshot;
    int durationMs = 3000;
    bool help = false;  // --help or -h: print the usage, nothing else
};

// arguments: without the program's name. False with error on an unknown command or option, an option the command
// does not take, or a malformed value. --help or -h anywhere sets help and answers true.
bool parseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error);

extern const char kUsage[];

}  // namespace aaxhost
