// Numbers given on a host tool's command line: the whole text must be the number.
#pragma once

#include <string>

namespace hostcli {

// A finite number, the whole text.
bool toNumber(const std::string& text, double& value);
// A whole number within the range of int.
bool toInt(const std::string& text, int& value);

}  // namespace hostcli
