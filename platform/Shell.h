// Opens a document (the user manual) with the desktop's default program.
#pragma once

#include <string>

namespace platform {

// False when no program could be started for it.
bool openDocument(const std::string& path);

}  // namespace platform
