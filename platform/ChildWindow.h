// Child windows of a window class of the module's own, in which a plug-in shows an editor inside its host's window.
// On Windows they are native windows; where there is no desktop of nested native windows (the Linux test build)
// they are plain records of their geometry and state, so the code that places them can still be tested.
// GUI thread only.
#pragma once

namespace platform {

// What a child window tells its owner. The window's procedure also begins and ends painting itself (drawing
// nothing) while a listener is set; the editor inside draws its own window.
class ChildWindowListener
{
public:
    virtual ~ChildWindowListener() = default;
    // The window was asked to close (the listener is forgotten afterwards).
    virtual void onCloseRequest() = 0;
};

struct WindowRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Registers a window class (style 0, no icon, cursor, background brush or menu) whose windows call their listener.
bool registerChildWindowClass(const char* className);
void unregisterChildWindowClass(const char* className);
bool isChildWindowClassRegistered(const char* className);

// A visible child window of parent at (x, y) with the given size, of a registered class, made with the module's
// instance handle; null on failure.
void* createChildWindow(const char* className, const char* title, void* parent, int x, int y, int width,
                        int height);
// Forgets the listener when null.
void setChildWindowListener(void* window, ChildWindowListener* listener);
// True when the window was destroyed.
bool destroyWindow(void* window);

void* desktopWindow();
WindowRect clientRect(void* window);
// Moves and sizes a window without changing its place in the Z order.
bool moveWindow(void* window, int x, int y, int width, int height);
// Shows the window normally and has it painted at once.
void showWindow(void* window);
// Marks the whole window for painting (including an internal paint when nothing is invalid).
void invalidateWindow(void* window);

// Sends the window the close request its frame's close box would send (tests).
void requestWindowClose(void* window);
// Where the window sits in its parent's client area, and whether it is shown (tests).
WindowRect windowRectInParent(void* window);
bool isWindowVisible(void* window);
// A stand-in parent window for tests: a shown top-level window of the given client size, as a host's window is (a
// child counts as shown only while its parent is too); destroyed by destroyWindow.
void* createTestParentWindow(int width, int height);

}  // namespace platform
