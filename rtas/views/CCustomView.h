// The view every other view and editor derives from: the raised plate look in one of seven colour sets, grip
// ridges, and the reading of the view's part of a description. Uses the module's two plate patterns (1001 and
// 1002), loaded by the first custom view and disposed of by the last. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CPlugInView.h"

namespace rtas::views {

class DescriptionParser;

class CCustomView : public CPlugInView
{
public:
    CCustomView();
    ~CCustomView() override;

    void SetHighlighted(bool on) override;
    void GetForeColor(RGBColour* colour) override;
    void GetBackColor(RGBColour* colour) override;
    HostPattern* GetBackPattern() override;
    void DrawBackground(const Rect& rect) override;

    virtual void ReadDescription(DescriptionParser& parser);
    virtual void SetPlate(bool plate, int16_t colourIndex, int16_t gripFlags);
    virtual int GetPlateColourSet();
    virtual void DrawPlate(const Rect& rect);

    bool HasPlate() const { return fPlate; }
    bool HasInversePlate() const { return fInversePlate; }
    int16_t GetColourIndex() const { return fColourIndex; }
    int16_t GetGripFlags() const { return fGripFlags; }

private:
    void DrawGrip(int kind, const Rect& grip);
    void LoadPlatePatternsIfMissing();

    int16_t fColourIndex = 0;
    bool fPlate = false;
    bool fInversePlate = false;
    int16_t fGripFlags = 0;
    bool fCountedAsUser = false;
};

}  // namespace rtas::views
