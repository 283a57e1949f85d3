// What the library's views import from the host's toolbox library DigiExt.dll for the host's own controls (buttons,
// check boxes, radio buttons, controls from 'CNTL' resources), icons ('ICON' resources) and pop-up menus drawn by a
// definition procedure of the plug-in's. DigiExt.def gives the ordinals (700 onwards, ours). GUI thread.
#pragma once

#include "rtas/framework/host/DrawingServices.h"
#include "rtas/framework/host/ToolboxServices.h"

extern "C" {

struct HostControl;
struct HostIcon;
struct HostMenu;

// ---- Controls ----

// A new control in port: kind 0 button, 1 check box, 2 radio button; reference is the caller's word.
HostControl* QOR_HOST_CALL NewHostControl(OpaqueGrafPtr port, const Rect* bounds, const unsigned char* title,
                                         uint8_t visible, int16_t value, int16_t minimum, int16_t maximum,
                                         int16_t kind, HostWord reference);
// A control from the 'CNTL' resource id of the current resource file, or null.
HostControl* QOR_HOST_CALL NewHostControlFromResource(int16_t id, OpaqueGrafPtr port);
void QOR_HOST_CALL DisposeHostControl(HostControl* control);
void QOR_HOST_CALL ShowHostControl(HostControl* control);
void QOR_HOST_CALL DrawHostControl(HostControl* control);
// Tracks the mouse from point while the button is down; answers the part hit on release (0 none).
int16_t QOR_HOST_CALL TrackHostControl(HostControl* control, Point point);
void QOR_HOST_CALL MoveHostControl(HostControl* control, int16_t h, int16_t v);
void QOR_HOST_CALL GetHostControlRect(HostControl* control, Rect* rect);
int16_t QOR_HOST_CALL GetHostControlValue(HostControl* control);

// ---- Icons ----

HostIcon* QOR_HOST_CALL LoadIconResource(int16_t id);
void QOR_HOST_CALL DisposeIcon(HostIcon* icon);
void QOR_HOST_CALL PlotIconIn(const Rect* rect, HostIcon* icon);

// ---- Pop-up menus drawn by the plug-in ----

// The definition procedure's messages: 0 draw, 1 choose, 2 size, 3 place the pop-up, 10 report the item under
// the mouse, 11 move the hilite. menuRect is the menu's rectangle (in and out), point the mouse, item in and out.
using MenuDefinitionProc = void(QOR_HOST_CALL*)(int16_t message, HostMenu* menu, Rect* menuRect, Point point,
                                                int16_t* item);

HostMenu* QOR_HOST_CALL NewDefinedMenu(int16_t menuID, MenuDefinitionProc definition, HostWord reference);
void QOR_HOST_CALL DisposeDefinedMenu(HostMenu* menu);
HostWord QOR_HOST_CALL GetMenuReference(HostMenu* menu);
void QOR_HOST_CALL InsertPopUpMenu(HostMenu* menu);
void QOR_HOST_CALL DeletePopUpMenu(int16_t menuID);
// Pops the menu up at top-left (global coordinates) with item under the mouse; answers (menu ID << 16) | item, or
// 0 when nothing was chosen. The port the menu is drawn into is current while the definition procedure runs.
int32_t QOR_HOST_CALL PopUpDefinedMenu(HostMenu* menu, int16_t top, int16_t left, int16_t item);
// The font and size menus are drawn in; answers the previous ones.
void QOR_HOST_CALL SetMenuFont(int16_t font, int16_t size, int16_t* previousFont, int16_t* previousSize);
// The screen that holds the point (global coordinates): its rectangle; false when none does.
uint8_t QOR_HOST_CALL GetScreenRectAt(Point point, Rect* screen);

}  // extern "C"
