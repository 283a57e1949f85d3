// Opens a document (the user manual) with the desktop's default program.
#pragma once

#include <string>

namespace platform {

// False when no program could be started for it.
bool openDocument(const std::string& path);

enum class OpenResult
{
    Opened,
    NoApplication,  // no program is associated with the document's type
    Failed,         // a missing document, or nothing could be started
};
// As openDocument, for a user's command in a window (`ownerWindow`, may be null), telling the two failures apart.
OpenResult openDocumentFrom(void* ownerWindow, const std::string& path);

}  // namespace platform
