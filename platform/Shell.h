// Opens a document (the user manual) with the desktop's default program.
#pragma once

#include <string>

namespace platform {

enum class OpenResult
{
    Opened,
    NoApplication,  // no program is associated with the document's type
    Failed,         // a missing document, or nothing could be started
};
// Opens `path` for a user's command in a window (`ownerWindow`, may be null), telling the two failures apart. GUI
// thread; does not wait for the program it starts.
OpenResult openDocumentFrom(void* ownerWindow, const std::string& path);

}  // namespace platform
