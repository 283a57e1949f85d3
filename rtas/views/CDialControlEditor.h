// A dial: a round face with a pointer line from a quarter of the radius to the rim. The pointer covers a full turn
// when cyclical, else 0.8 of one; the mouse's angle around the centre sets the value. GUI thread, under the group's
// context lock.
#pragma once

#include "rtas/views/CControlEditor.h"

namespace rtas::views {

class CDialControlEditor : public CControlEditor
{
public:
    void ReadDescription(DescriptionParser& parser) override;
    void UpdateFromControl() override;
    void ControlChanged() override;
    void DrawContent(const Rect& rect) override;
    void MoveBy(int16_t dh, int16_t dv) override;
    bool TrackMouse(const EventRecord& event, bool quick) override;
    void GetValuePoint(Point* point) override;
    void GetForeColor(RGBColour* colour) override;

    virtual void ErasePointer(Point inner, Point outer);
    virtual void DrawPointer(Point inner, Point outer);

    // The pointer's ends for a value.
    void PointerFor(int32_t value, Point* inner, Point* outer) const;
    // The value the mouse at point asks for, from the current one.
    int32_t ValueForPoint(Point point, int32_t current) const;
    bool IsCyclical() const { return fCyclical; }
    bool IsReverse() const { return fReverse; }
    void SetCyclical(bool on) { fCyclical = on; }
    void SetReverse(bool on) { fReverse = on; }

private:
    bool fCyclical = false;
    bool fReverse = false;
    bool fAngularTracking = true;
    Point fInner{0, 0};
    Point fOuter{0, 0};
    int32_t fCoarse = 4;
    int32_t fFine = 1;
};

}  // namespace rtas::views
