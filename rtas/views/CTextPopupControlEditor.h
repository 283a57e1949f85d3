// A pop-up list of the control's steps: closed, it shows the current step's text; clicked, the host pops up a menu
// that this editor sizes, places and draws (item i, from 1, is the text of step i - 1), and the chosen item sets the
// step. GUI thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/ControlServices.h"
#include "rtas/views/CControlEditor.h"
#include "rtas/views/PopupMenuGeometry.h"

#include <string>

namespace rtas::views {

class CTextPopupControlEditor : public CControlEditor
{
public:
    static constexpr int16_t kMenuID = 1000;

    ~CTextPopupControlEditor() override;

    void FinishCreate() override;
    void DrawContent(const Rect& rect) override;
    bool TrackMouse(const EventRecord& event, bool quick) override;

    virtual void GetClosedRect(Rect* rect);
    virtual void GetTextColours(RGBColour* fore, RGBColour* back);
    virtual void DrawItem(int32_t step, const Rect& rect, bool inMenu);
    virtual void GetMenuSize(int16_t* width, int16_t* height);
    virtual void GetMenuRect(Rect* rect, Point point, int16_t item);
    virtual void HiliteItem(int32_t step, const Rect& rect, bool on);
    virtual void GetItemSize(int32_t step, int16_t* width, int16_t* height);
    virtual void AutoScroll(Point point);
    virtual void ScrollMenu(int16_t dh, int16_t dv, bool redrawArrows);

    // The step's text as the menu shows it.
    std::string ItemText(int32_t step);
    HostMenu* GetMenu() const { return fMenu; }
    const PopupGeometry& Geometry() const { return fGeometry; }

private:
    static void QOR_HOST_CALL MenuDefinition(int16_t message, HostMenu* menu, Rect* menuRect, Point point,
                                             int16_t* item);
    void DrawMenu();
    int16_t ItemAt(Point point);
    Rect ItemRect(int16_t item);
    // The text shortened from its end until it fits width (at least one character).
    static std::string FitText(const std::string& text, int16_t width);

    int16_t fMenuFont = 3;
    int16_t fMenuSize = 9;
    int16_t fCurrentStep = -1;
    int16_t fItemHeight = 0;
    int16_t fHilited = 0;
    bool fScrolling = false;
    PopupGeometry fGeometry;
    HostRegion* fRegion = nullptr;
    HostMenu* fMenu = nullptr;
};

}  // namespace rtas::views
