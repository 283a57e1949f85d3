// The effect's editor in a child window of the host's plug-in window. GUI thread.
#include "rtas/bridge/CPluginWrapper.h"

#include "effect/vst2/Opcodes.h"

namespace {

// A child window is made small and then fitted to the editor.
constexpr int kWindowX = 0;
constexpr int kWindowY = 30;
constexpr int kWindowSize = 5;
// An effect without an editor of its own gets rows of six parameters, 60 pixels high, 480 pixels wide.
constexpr int kDefaultRowHeight = 60;
constexpr int kDefaultWidth = 480;
constexpr int kParametersPerRow = 6;
// Offline instances show a bar above the editor in the host's window.
constexpr int kAudioSuiteShift = 32;

}  // namespace

EditorRect CPluginWrapper::defaultEditorRect() const
{
    const int parameters = effect_ != nullptr ? effect_->numParams : 0;
    const int rows = (parameters - 1) / kParametersPerRow + 1;  // truncates toward zero: 0 parameters give one row
    return EditorRect{0, 0, int16_t(kDefaultRowHeight * rows), int16_t(kDefaultWidth)};
}

void CPluginWrapper::GetEditorSize(int* width, int* height)
{
    EditorRect rect{};
    if (!loaded_) {
        // nothing: both results 0
    } else if ((effect_->flags & kFlagHasEditor) == 0) {
        rect = defaultEditorRect();
        editorRect_ = rect;
    } else {
        EditorRect* answer = nullptr;
        if (childWindow_ != nullptr) {
            Dispatch(effEditGetRect, 0, 0, &answer, 0.0f);
        } else {
            // The effect tells its size only once its editor is open: open it for a moment in a window of its own.
            void* window = platform::createChildWindow(kWrapperWindowClass, kWrapperWindowTitle,
                                                       platform::desktopWindow(), kWindowX, kWindowY, kWindowSize,
                                                       kWindowSize);
            Dispatch(effEditOpen, 0, 0, window, 0.0f);
            Dispatch(effEditGetRect, 0, 0, &answer, 0.0f);
            Dispatch(effEditClose, 0, 0, nullptr, 0.0f);
            platform::destroyWindow(window);
        }
        if (answer != nullptr)
            rect = *answer;
    }
    if (width != nullptr)
        *width = rect.right;
    if (height != nullptr)
        *height = rect.bottom;
}

void CPluginWrapper::OpenEditorWindow(void* parentWindow)
{
    parentWindow_ = parentWindow;
    if (!loaded_ || editorOpen_)
        return;
    const platform::WindowRect parent = platform::clientRect(parentWindow);
    childWindow_ = platform::createChildWindow(kWrapperWindowClass, kWrapperWindowTitle, parentWindow, kWindowX,
                                               kWindowY, kWindowSize, kWindowSize);
    if (childWindow_ == nullptr)
        return;
    platform::setChildWindowListener(childWindow_, this);

    EditorRect rect{};
    if ((effect_->flags & kFlagHasEditor) != 0) {
        Dispatch(effEditOpen, 0, 0, childWindow_, 0.0f);
        EditorRect* answer = nullptr;
        Dispatch(effEditGetRect, 0, 0, &answer, 0.0f);
        if (answer != nullptr)
            rect = *answer;
    } else {
        rect = defaultEditorRect();
    }
    editorRect_ = rect;

    // The editor sits centred at the bottom of the parent; an offline instance's editor sits higher (only the
    // placement moves, the editor's own rectangle stays as the effect gave it).
    EditorRect placed = rect;
    if (owner_ != nullptr && owner_->IsAudioSuiteInstance()) {
        placed.top = int16_t(placed.top + kAudioSuiteShift);
        placed.bottom = int16_t(placed.bottom + kAudioSuiteShift);
    }
    const int parentWidth = parent.right - parent.left;
    const int parentHeight = parent.bottom - parent.top;
    const int width = placed.right - placed.left;
    const int x = width < parentWidth ? (parentWidth - width) / 2 : 0;
    const int y = parentHeight - placed.bottom;
    platform::moveWindow(childWindow_, x, y, width + x, placed.bottom - placed.top);

    Dispatch(effEditIdle, 0, 0, nullptr, 0.0f);
    platform::showWindow(childWindow_);
    platform::invalidateWindow(childWindow_);
    editorOpen_ = true;
}

bool CPluginWrapper::CloseEditorWindow()
{
    if (!editorOpen_)
        return false;
    editorOpen_ = false;
    Dispatch(effEditClose, 0, 0, nullptr, 0.0f);
    platform::setChildWindowListener(childWindow_, nullptr);
    const bool destroyed = platform::destroyWindow(childWindow_);
    childWindow_ = nullptr;
    return destroyed;
}

void CPluginWrapper::RedrawEditor()
{
    if (childWindow_ != nullptr)
        platform::invalidateWindow(childWindow_);
}

void CPluginWrapper::onCloseRequest()
{
    CloseEditorWindow();
}
