#include "effect/editor/controls/MyFrame.h"

MyFrame::MyFrame(const CRect& size, VSTGUIEditorInterface* editor) : CFrame(size, editor) {}

CMouseEventResult MyFrame::platformOnMouseDown(CPoint& where, const CButtonState& buttons)
{
    remember();
    if (wantsFocusOnClick_)
        if (IPlatformFrame* window = getPlatformFrame())
            window->takeFocus();
    const CMouseEventResult result = CFrame::platformOnMouseDown(where, buttons);
    forget();
    return result;
}
