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
    int configuration = 2;
    int block = 512;
    bool bypass = false;
    bool raw = false;
    double rate = 44100.0;
    std::vector<std::pair<std::string, double>> parameters;  // --param ID=VALUE
    std::string program;                                     // --program NAME|NUMBER
    std::string chunk = "All";                               // --chunk All|elck
    std::string screenshot;
    int durationMs = 3000;
};

// False with error on an unknown option or a malformed value.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

}  // namespace aaxhost
