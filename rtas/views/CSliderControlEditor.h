// A slider: a plate knob ('Knob') that travels along a groove, vertical when the frame is narrower than high. A drag
// on the knob moves the value by the mouse's travel (six times finer with the command key); a press beside the knob
// only highlights. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CControlEditor.h"

namespace rtas::views {

class CSliderControlEditor : public CControlEditor
{
public:
    void ReadDescription(DescriptionParser& parser) override;
    CPlugInView* BuildSubViews() override;
    void UpdateFromControl() override;
    void ControlChanged() override;
    void DrawContent(const Rect& rect) override;
    void DrawBackground(const Rect& rect) override;
    bool TrackMouse(const EventRecord& event, bool quick) override;
    void GetValuePoint(Point* point) override;

    virtual void GetKnobRect(Rect* rect);
    virtual int32_t GetFineFactor() { return 6; }
    virtual void SliderSpare() {}

    bool IsVertical() const;
    bool IsReverse() const { return fReverse; }
    void SetReverse(bool reverse) { fReverse = reverse; }
    CCustomView* GetKnob() const { return fKnob; }

private:
    int32_t Travel() const;

    CCustomView* fKnob = nullptr;
    bool fReverse = false;
};

}  // namespace rtas::views
