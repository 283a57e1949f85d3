// A text field that shows its control's value text in a static text child ('text') and, while editing, lets the
// user type a new value: accepted text the control parses becomes its value, anything else reverts the field to
// the control's own text. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CTextEditEditor.h"

namespace rtas::views {

class CStaticTextView;

class CTextControlEditor : public CTextEditEditor
{
public:
    void ConnectSubViews() override;
    void DisconnectSubViews() override;
    void UpdateFromControl() override;
    void BeginEditing() override;
    void EndEditing(bool accept) override;
    void Draw(const Rect& rect) override;
    void DrawContent(const Rect& rect) override;

    CStaticTextView* GetTextView() const { return fTextView; }

private:
    CStaticTextView* fTextView = nullptr;
    RGBColour fSavedFore{0, 0, 0};
    RGBColour fSavedBack{0, 0, 0};
};

}  // namespace rtas::views
