// The stand-in DigiExt.dll's own controls, icons and pop-up menus. Resource forms, big-endian:
//   'CNTL': rectangle (4 x i16), value, visible, maximum, minimum, kind (i16 each), title (length-prefixed)
//   'ICON': 32 x 32 bits, 4 bytes a row, most significant bit leftmost (a set bit is black)
// A control draws as a framed rectangle (button), a small box (check box, crossed when on) or a small oval (radio
// button, filled when on), with its title beside or inside in the kit's stand-in font.
#include "hosts/rtas/KitDrawing.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/drawing/KitPort.h"
#include "rtas/framework/host/ControlServices.h"

#include <memory>
#include <string>
#include <vector>

struct HostControl
{
    OpaqueGrafPtr port;
    Rect rect;
    std::string title;
    bool visible;
    int16_t value, minimum, maximum, kind;
    HostWord reference;
};

struct HostIcon
{
    uint8_t bits[128];
};

struct HostMenu
{
    int16_t id;
    MenuDefinitionProc definition;
    HostWord reference;
};

namespace {

int32_t gLiveControls = 0;
std::unique_ptr<qorkit::KitPort> gMenuPort;
Rect gScreen{0, 0, 480, 640};
int16_t gMenuFont = 0, gMenuSize = 12;

int16_t be16(const uint8_t* p) { return int16_t((uint16_t(p[0]) << 8) | p[1]); }

void drawControl(HostControl& c)
{
    const OpaqueGrafPtr previous = GetGrafPort();
    SetGrafPort(c.port);
    const RGBColour black{0, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    SetForeColour(&black);
    SetBackColour(&white);
    SetPenSize(1, 1);
    EraseRectangle(&c.rect);
    const int16_t middle = int16_t((c.rect.top + c.rect.bottom) / 2);
    const Rect box{int16_t(middle - 6), c.rect.left, int16_t(middle + 6), int16_t(c.rect.left + 12)};
    int16_t textLeft = int16_t(c.rect.left + 16);
    if (c.kind == 0) {
        FrameRectangle(&c.rect);
        textLeft = int16_t(c.rect.left + 4);
    } else if (c.kind == 1) {
        FrameRectangle(&box);
        if (c.value != 0) {
            PenMoveTo(box.left, box.top);
            PenLineTo(int16_t(box.right - 1), int16_t(box.bottom - 1));
            PenMoveTo(int16_t(box.right - 1), box.top);
            PenLineTo(box.left, int16_t(box.bottom - 1));
        }
    } else {
        FrameOvalIn(&box);
        if (c.value != 0) {
            const Rect dot{int16_t(box.top + 3), int16_t(box.left + 3), int16_t(box.bottom - 3),
                           int16_t(box.right - 3)};
            FillRectangle(&dot);
        }
    }
    PenMoveTo(textLeft, int16_t(middle + 3));
    DrawTextRun(c.title.data(), int16_t(c.title.size()));
    SetGrafPort(previous);
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT OpaqueGrafPtr QorKitLastMenuPort(void) { return reinterpret_cast<OpaqueGrafPtr>(gMenuPort.get()); }

QOR_KIT_EXPORT void QorKitSetScreen(int16_t top, int16_t left, int16_t bottom, int16_t right)
{
    gScreen = Rect{top, left, bottom, right};
}

QOR_KIT_EXPORT int32_t QorKitLiveControls(void) { return gLiveControls; }

QOR_KIT_EXPORT HostControl* QOR_HOST_CALL NewHostControl(OpaqueGrafPtr port, const Rect* bounds,
                                                        const unsigned char* title, uint8_t visible, int16_t value,
                                                        int16_t minimum, int16_t maximum, int16_t kind,
                                                        HostWord reference)
{
    if (port == nullptr || bounds == nullptr)
        return nullptr;
    ++gLiveControls;
    return new HostControl{port, *bounds,
                           title != nullptr ? std::string(reinterpret_cast<const char*>(title + 1), title[0]) : "",
                           visible != 0, value, minimum, maximum, kind, reference};
}

QOR_KIT_EXPORT HostControl* QOR_HOST_CALL NewHostControlFromResource(int16_t id, OpaqueGrafPtr port)
{
    HostHandle resource = Get1Resource(HostFourCC("CNTL"), id);
    if (resource == nullptr || port == nullptr)
        return nullptr;
    const auto* p = reinterpret_cast<const uint8_t*>(*resource);
    const int32_t size = GetHandleSize(resource);
    HostControl* control = nullptr;
    if (size >= 19 && size >= 19 + p[18]) {
        const Rect r{be16(p), be16(p + 2), be16(p + 4), be16(p + 6)};
        std::string title(reinterpret_cast<const char*>(p + 19), p[18]);
        ++gLiveControls;
        control = new HostControl{port, r, title, be16(p + 10) != 0, be16(p + 8), be16(p + 14), be16(p + 12),
                                  be16(p + 16), 0};
    }
    ReleaseResource(resource);
    return control;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeHostControl(HostControl* control)
{
    if (control == nullptr)
        return;
    --gLiveControls;
    delete control;
}

QOR_KIT_EXPORT void QOR_HOST_CALL ShowHostControl(HostControl* control)
{
    if (control != nullptr) {
        control->visible = true;
        drawControl(*control);
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL DrawHostControl(HostControl* control)
{
    if (control != nullptr && control->visible)
        drawControl(*control);
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL TrackHostControl(HostControl* control, Point point)
{
    if (control == nullptr)
        return 0;
    Point mouse = point;
    while (MouseStillDown())
        GetMousePoint(&mouse);
    const Rect& r = control->rect;
    if (mouse.v < r.top || mouse.v >= r.bottom || mouse.h < r.left || mouse.h >= r.right)
        return 0;
    if (control->kind == 1)
        control->value = control->value != 0 ? 0 : 1;
    else if (control->kind == 2)
        control->value = 1;
    drawControl(*control);
    return 10;
}

QOR_KIT_EXPORT void QOR_HOST_CALL MoveHostControl(HostControl* control, int16_t h, int16_t v)
{
    if (control == nullptr)
        return;
    Rect& r = control->rect;
    r = Rect{v, h, int16_t(v + r.bottom - r.top), int16_t(h + r.right - r.left)};
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetHostControlRect(HostControl* control, Rect* rect)
{
    if (control != nullptr && rect != nullptr)
        *rect = control->rect;
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL GetHostControlValue(HostControl* control)
{
    return control != nullptr ? control->value : 0;
}

QOR_KIT_EXPORT HostIcon* QOR_HOST_CALL LoadIconResource(int16_t id)
{
    HostHandle resource = Get1Resource(HostFourCC("ICON"), id);
    if (resource == nullptr)
        return nullptr;
    HostIcon* icon = nullptr;
    if (GetHandleSize(resource) >= 128) {
        icon = new HostIcon;
        for (int i = 0; i < 128; ++i)
            icon->bits[i] = uint8_t((*resource)[i]);
        qorkit::countObject(1);
    }
    ReleaseResource(resource);
    return icon;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeIcon(HostIcon* icon)
{
    if (icon == nullptr)
        return;
    qorkit::countObject(-1);
    delete icon;
}

QOR_KIT_EXPORT void QOR_HOST_CALL PlotIconIn(const Rect* r, HostIcon* icon)
{
    qorkit::KitPort* p = qorkit::currentPort();
    if (p == nullptr || r == nullptr || icon == nullptr)
        return;
    const int32_t w = r->right - r->left, h = r->bottom - r->top;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const int32_t bx = x * 32 / w, by = y * 32 / h;
            if (icon->bits[by * 4 + bx / 8] & (0x80 >> (bx % 8)))
                p->plot(r->left + x, r->top + y, 0x000000);
        }
}

QOR_KIT_EXPORT HostMenu* QOR_HOST_CALL NewDefinedMenu(int16_t menuID, MenuDefinitionProc definition,
                                                     HostWord reference)
{
    ++gLiveControls;
    return new HostMenu{menuID, definition, reference};
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeDefinedMenu(HostMenu* menu)
{
    if (menu == nullptr)
        return;
    --gLiveControls;
    delete menu;
}

QOR_KIT_EXPORT HostWord QOR_HOST_CALL GetMenuReference(HostMenu* menu)
{
    return menu != nullptr ? menu->reference : 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL InsertPopUpMenu(HostMenu*) { qorkit::record("InsertPopUpMenu"); }
QOR_KIT_EXPORT void QOR_HOST_CALL DeletePopUpMenu(int16_t) { qorkit::record("DeletePopUpMenu"); }

// Size, place and draw the menu on a port the screen's size, then follow the scripted mouse with choose messages
// until the button is released.
QOR_KIT_EXPORT int32_t QOR_HOST_CALL PopUpDefinedMenu(HostMenu* menu, int16_t top, int16_t left, int16_t item)
{
    if (menu == nullptr || menu->definition == nullptr)
        return 0;
    const OpaqueGrafPtr previous = GetGrafPort();
    gMenuPort = std::make_unique<qorkit::KitPort>(gScreen.right - gScreen.left, gScreen.bottom - gScreen.top);
    SetGrafPort(reinterpret_cast<OpaqueGrafPtr>(gMenuPort.get()));
    SetTextFont(gMenuFont);
    SetTextSize(gMenuSize);
    Rect menuRect{0, 0, 0, 0};
    int16_t chosen = item;
    const Point at{top, left};
    menu->definition(2, menu, &menuRect, at, &chosen);
    menu->definition(3, menu, &menuRect, at, &chosen);
    menu->definition(0, menu, &menuRect, at, &chosen);
    chosen = 0;
    Point mouse = at;
    while (MouseStillDown()) {
        GetMousePoint(&mouse);
        menu->definition(1, menu, &menuRect, mouse, &chosen);
    }
    GetMousePoint(&mouse);
    menu->definition(1, menu, &menuRect, mouse, &chosen);
    SetGrafPort(previous);
    return chosen > 0 ? (int32_t(menu->id) << 16) | chosen : 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetMenuFont(int16_t font, int16_t size, int16_t* previousFont,
                                             int16_t* previousSize)
{
    if (previousFont != nullptr)
        *previousFont = gMenuFont;
    if (previousSize != nullptr)
        *previousSize = gMenuSize;
    gMenuFont = font;
    gMenuSize = size;
}

QOR_KIT_EXPORT uint8_t QOR_HOST_CALL GetScreenRectAt(Point point, Rect* screen)
{
    if (point.v < gScreen.top || point.v >= gScreen.bottom || point.h < gScreen.left || point.h >= gScreen.right)
        return 0;
    if (screen != nullptr)
        *screen = gScreen;
    return 1;
}

}  // extern "C"
