// Services of the editor's native window that only a desktop of nested native windows needs (Windows); elsewhere
// they do nothing. GUI thread.
#pragma once

namespace platform {

// Removes one pending paint message of the calling thread and dispatches it. Where the frame pumps its own window
// events at idle (X11), there is nothing to do.
void dispatchOnePaintMessage();

// Resizes the host's windows around the editor's native window so that it shows width x height pixels, walking up
// from that window (see WindowChainResize.h). True where there is no such walk to do.
bool resizeHostWindows(void* editorWindow, int width, int height);

}  // namespace platform
