// The walk that makes room for a resized editor in hosts that cannot resize their own windows: starting at the
// editor's window, each window is resized to the new size plus the borders of the windows around it so far, until
// the walk reaches the top-level window, an MDI client area, or borders too large to be a host's frame.
// Written against a small window interface so that it can be checked without a desktop.
#pragma once

#include <algorithm>
#include <string>

namespace platform {

struct WindowBox
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

class WindowTree
{
public:
    virtual ~WindowTree() = default;
    virtual void* parentOf(void* window) = 0;
    virtual std::string classNameOf(void* window) = 0;
    virtual WindowBox boxOf(void* window) = 0;
    // Resizes without moving.
    virtual void resize(void* window, int width, int height) = 0;
    // Height of a dialog frame's horizontal border.
    virtual int dialogFrameHeight() = 0;
};

// Borders beyond this are not a host's window frame: the walk gives up rather than grow a foreign window.
constexpr int kMaxHostBorder = 80;

inline bool resizeWindowChain(WindowTree& tree, void* window, int width, int height)
{
    const int frame = tree.dialogFrameHeight();
    int extraWidth = 0;
    int extraHeight = 0;
    while (extraWidth != 2 * frame) {
        if (!window)
            return true;
        void* parent = tree.parentOf(window);
        if (!parent || tree.classNameOf(parent) == "MDIClient")
            break;
        const WindowBox own = tree.boxOf(window);
        const WindowBox outer = tree.boxOf(parent);
        tree.resize(window, width + extraWidth, height + extraHeight);
        extraWidth += outer.width() - own.width();
        const int nextHeight = extraHeight + outer.height() - own.height();
        if (extraWidth > kMaxHostBorder)
            return true;
        extraHeight = std::max(nextHeight, 0);
        extraWidth = std::max(extraWidth, 0);
        if (nextHeight > kMaxHostBorder)
            return true;
        window = parent;
    }
    if (window)
        tree.resize(window, width + extraWidth, height + extraHeight);
    return true;
}

}  // namespace platform
