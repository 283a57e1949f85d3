// A host program's arguments as UTF-8 text. On Windows the C runtime's argv holds them in the ANSI code page, which
// loses every character outside it (a file named 音.wav); the wide command line keeps them.
#pragma once

#include <string>
#include <vector>

namespace hostcli {

// The arguments after the program's name.
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace hostcli
