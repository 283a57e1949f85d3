#include "platform/EditorWindow.h"

namespace platform {

// The X11 frame reads its own events at idle, paint requests included.
void dispatchOnePaintMessage() {}

// X11 hosts size their own windows around the editor's.
bool resizeHostWindows(void*, int, int) { return true; }

}  // namespace platform
