// A group of buttons (its children, step i = the i-th child) of which the one at the control's step is selected;
// optionally framed in the control's highlight colour. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CControlEditor.h"

namespace rtas::views {

class CRadioGroupControlEditor : public CControlEditor
{
public:
    void ReadDescription(DescriptionParser& parser) override;
    void UpdateFromControl() override;
    bool TrackMouse(const EventRecord& event, bool quick) override;
    void DrawContent(const Rect& rect) override;
    void GetValuePoint(Point* point) override;

    CPlugInView* GetSelected() const { return fSelected; }
    bool HighlightFrameEnabled() const { return fHighlightFrame; }
    // The child at index (from 0), or null.
    CPlugInView* ChildAt(int32_t index) const;

private:
    CPlugInView* fSelected = nullptr;
    bool fHighlightFrame = false;
    bool fFrameDrawn = false;
};

}  // namespace rtas::views
