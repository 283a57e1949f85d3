// Choosing one of the effect's programs from outside, through its saved state only: the 'All ' blob carries the
// effect's chunk, whose bank stream names every program and the one selected on loading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hostcli {

// The program names of a chunk-form blob, in program order; empty when the blob is not one.
std::vector<std::string> programNames(const std::vector<uint8_t>& blob);
// Rewrites the program a chunk-form blob selects: by number, or by name as the effect shows it. False with error.
bool chooseProgram(std::vector<uint8_t>& blob, const std::string& nameOrNumber, std::string& error);

}  // namespace hostcli
