// The editor's frame. The modal view (the About screen, the program menu's list) gets every mouse and wheel event
// while it is set, and the frame stays alive while an event is handled (a command may close the editor), as in any
// frame; a press from the window system also gives the frame's window the keyboard focus first, so that the program
// name field gets its keys. GUI thread.
#pragma once

#include "gui/CFrame.h"

class MyFrame : public CFrame
{
public:
    MyFrame(const CRect& size, VSTGUIEditorInterface* editor);

    CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override;

    void setWantsFocusOnClick(bool wants) { wantsFocusOnClick_ = wants; }
    bool wantsFocusOnClick() const { return wantsFocusOnClick_; }

    QOR_GUI_TYPE(MyFrame, CFrame)

private:
    bool wantsFocusOnClick_ = true;
};
