// Choosing one of the effect's internal programs. The effect shows hosts a single program, so the set-program
// request cannot reach them; the way in is its own chunk, reloaded with another current program.
#pragma once

#include "hosts/vst2/HostedEffect.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vst2host {

// A program number (digits only) or an exact program name, resolved through the names by index.
std::optional<int32_t> resolveProgram(HostedEffect& effect, const std::string& nameOrNumber);
// Takes the effect's chunk, names program as current in it and loads it back; then checks that the effect
// reports that program's name. False with error otherwise.
bool selectProgram(HostedEffect& effect, int32_t program, std::string& error);
// Both of the above.
bool selectProgram(HostedEffect& effect, const std::string& nameOrNumber, std::string& error);

}  // namespace vst2host
