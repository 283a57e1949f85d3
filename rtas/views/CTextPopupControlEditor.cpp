#include "rtas/views/CTextPopupControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CControlView.h"

#include <algorithm>

namespace rtas::views {
namespace {

const RGBColour kMenuBack{0xF5F5, 0xF7F7, 0xFBFB};
const RGBColour kMenuText{0, 0, 0};
constexpr int16_t kBold = 1;

}  // namespace

CTextPopupControlEditor::~CTextPopupControlEditor()
{
    DisposeDefinedMenu(fMenu);
    DisposeRegion(fRegion);
}

void CTextPopupControlEditor::FinishCreate()
{
    CControlEditor::FinishCreate();
    if (fRegion == nullptr)
        fRegion = NewRegion();
    if (fMenu == nullptr)
        fMenu = NewDefinedMenu(kMenuID, &MenuDefinition, reinterpret_cast<HostWord>(this));
}

std::string CTextPopupControlEditor::ItemText(int32_t step)
{
    std::string text;
    if (CControlView* view = GetControlView())
        view->GetValueText(view->StepToValue(step), &text, 255);
    return text;
}

std::string CTextPopupControlEditor::FitText(const std::string& text, int16_t width)
{
    int16_t length = int16_t(std::min<size_t>(text.size(), 255));
    while (length > 1 && TextRunWidth(text.data(), length) > width)
        --length;
    return text.substr(0, size_t(length));
}

void CTextPopupControlEditor::GetClosedRect(Rect* rect)
{
    *rect = InsetRect(Frame(), 1, 1);
    rect->bottom = int16_t(rect->bottom - 1);
}

void CTextPopupControlEditor::GetTextColours(RGBColour* fore, RGBColour* back)
{
    *fore = kMenuText;
    *back = kMenuBack;
}

void CTextPopupControlEditor::DrawContent(const Rect& rect)
{
    DrawBackground(rect);
    Rect closed;
    GetClosedRect(&closed);
    DrawItem(GetStep(), closed, false);
}

void CTextPopupControlEditor::DrawItem(int32_t step, const Rect& rect, bool inMenu)
{
    int16_t font, size, face, mode;
    GetTextState(&font, &size, &face, &mode);
    SetTextFont(fMenuFont);
    SetTextSize(fMenuSize);
    SetTextMode(1);
    SetTextFace(inMenu && step == fCurrentStep ? kBold : 0);
    HostFontMetrics metrics{};
    GetFontMetrics(&metrics);
    RGBColour savedFore, savedBack;
    GetForeColour(&savedFore);
    GetBackColour(&savedBack);
    const std::string text = ItemText(step);
    if (inMenu) {
        SetForeColour(&kMenuText);
        SetBackColour(&kMenuBack);
        EraseRectangle(&rect);
        const std::string fitted = FitText(text, int16_t(rect.right - rect.left - 3));
        PenMoveTo(int16_t(rect.left + 3), int16_t(rect.top + 2 + metrics.ascent));
        DrawTextRun(fitted.data(), int16_t(fitted.size()));
    } else {
        RGBColour fore;
        GetForeColor(&fore);
        SetForeColour(&fore);
        const int16_t room = int16_t(rect.right - rect.left - 6);
        const std::string fitted = FitText(text, room);
        const int16_t width = TextRunWidth(fitted.data(), int16_t(fitted.size()));
        const int16_t h = int16_t(rect.left + 3 + std::max(0, room - width) / 2);
        const int16_t v = int16_t((rect.top + rect.bottom + metrics.ascent - metrics.descent) / 2);
        PenMoveTo(h, v);
        DrawTextRun(fitted.data(), int16_t(fitted.size()));
    }
    SetForeColour(&savedFore);
    SetBackColour(&savedBack);
    SetTextFont(font);
    SetTextSize(size);
    SetTextFace(face);
    SetTextMode(mode);
}

void CTextPopupControlEditor::GetItemSize(int32_t step, int16_t* width, int16_t* height)
{
    int16_t font, size, face, mode;
    GetTextState(&font, &size, &face, &mode);
    SetTextFont(fMenuFont);
    SetTextSize(fMenuSize);
    SetTextFace(kBold);
    HostFontMetrics metrics{};
    GetFontMetrics(&metrics);
    const std::string text = ItemText(step);
    *height = int16_t(metrics.ascent + metrics.descent + 4);
    *width = int16_t(TextRunWidth(text.data(), int16_t(std::min<size_t>(text.size(), 255))) + 14);
    SetTextFont(font);
    SetTextSize(size);
    SetTextFace(face);
}

void CTextPopupControlEditor::GetMenuSize(int16_t* width, int16_t* height)
{
    *width = 0;
    *height = 0;
    const int32_t steps = GetStepCount();
    for (int32_t step = 0; step < steps; ++step) {
        int16_t w, h;
        GetItemSize(step, &w, &h);
        *width = std::max(*width, w);
        *height = int16_t(*height + h);
        fItemHeight = h;
    }
}

void CTextPopupControlEditor::GetMenuRect(Rect* rect, Point point, int16_t item)
{
    int16_t widest, total;
    GetMenuSize(&widest, &total);
    const int16_t step = int16_t(std::max<int16_t>(item, 1) - 1);
    Rect wanted;
    wanted.left = int16_t(point.h + 10);
    wanted.right = int16_t(wanted.left + widest + 2);
    wanted.top = int16_t(point.v - step * fItemHeight - (2 * fItemHeight) / 3);
    wanted.bottom = int16_t(wanted.top + total);
    fGeometry = PlacePopup(wanted, point);
    *rect = fGeometry.visible;
}

Rect CTextPopupControlEditor::ItemRect(int16_t item)
{
    const int16_t top = int16_t(fGeometry.content.top + (item - 1) * fItemHeight);
    return Rect{top, fGeometry.content.left, int16_t(top + fItemHeight), fGeometry.content.right};
}

int16_t CTextPopupControlEditor::ItemAt(Point point)
{
    if (fItemHeight <= 0 || !PointInRect(point, fGeometry.visible) || !PointInRect(point, fGeometry.content))
        return 0;
    const int16_t item = int16_t((point.v - fGeometry.content.top) / fItemHeight + 1);
    return item <= GetStepCount() ? item : int16_t(0);
}

void CTextPopupControlEditor::HiliteItem(int32_t step, const Rect& rect, bool on)
{
    const Rect shown = SectRects(rect, fGeometry.visible);
    if (IsEmptyRect(shown))
        return;
    ClipToRect(&shown);
    if (!on) {
        DrawItem(step, rect, true);
    } else {
        // Fore and back colours exchanged.
        HostFontMetrics metrics{};
        GetFontMetrics(&metrics);
        RGBColour savedFore, savedBack;
        GetForeColour(&savedFore);
        GetBackColour(&savedBack);
        SetBackColour(&kMenuText);
        EraseRectangle(&rect);
        SetForeColour(&kMenuBack);
        const std::string fitted = FitText(ItemText(step), int16_t(rect.right - rect.left - 3));
        PenMoveTo(int16_t(rect.left + 3), int16_t(rect.top + 2 + metrics.ascent));
        DrawTextRun(fitted.data(), int16_t(fitted.size()));
        SetForeColour(&savedFore);
        SetBackColour(&savedBack);
    }
    const Rect all{-32767, -32767, 32767, 32767};
    ClipToRect(&all);
}

void CTextPopupControlEditor::DrawMenu()
{
    ClipToRect(&fGeometry.visible);
    const int32_t steps = GetStepCount();
    for (int16_t item = 1; item <= steps; ++item) {
        const Rect r = ItemRect(item);
        if (RectsMeet(r, fGeometry.visible))
            DrawItem(item - 1, r, true);
    }
    DrawArrowBands(fGeometry, kMenuBack);
    const Rect all{-32767, -32767, 32767, 32767};
    ClipToRect(&all);
    const Rect& v = fGeometry.visible;
    const Rect covered{int16_t(v.top - 1), int16_t(v.left - 1), int16_t(v.bottom + 2), int16_t(v.right + 2)};
    SetCoveringPort(GetGrafPort(), &covered);
}

void CTextPopupControlEditor::ScrollMenu(int16_t, int16_t, bool)
{
    DrawMenu();
}

void CTextPopupControlEditor::AutoScroll(Point point)
{
    int16_t dh, dv, pause;
    fScrolling = AutoScrollStep(fGeometry, point, 10, &dh, &dv, &pause);
    if (fScrolling)
        ScrollMenu(dh, dv, true);
    // The pause between steps belongs to a live mouse; a scripted one steps on at once.
}

void QOR_HOST_CALL CTextPopupControlEditor::MenuDefinition(int16_t message, HostMenu* menu, Rect* menuRect,
                                                            Point point, int16_t* item)
{
    auto* self = reinterpret_cast<CTextPopupControlEditor*>(GetMenuReference(menu));
    if (self == nullptr)
        return;
    // Nothing may leave through the host's menu code.
    try {
        switch (message) {
        case 0:
            self->DrawMenu();
            break;
        case 1: {
            self->AutoScroll(point);
            const int16_t now = self->fScrolling ? int16_t(0) : self->ItemAt(point);
            if (now != self->fHilited) {
                if (self->fHilited > 0)
                    self->HiliteItem(self->fHilited - 1, self->ItemRect(self->fHilited), false);
                if (now > 0)
                    self->HiliteItem(now - 1, self->ItemRect(now), true);
                self->fHilited = now;
            }
            if (CControlView* view = self->GetControlView())
                view->Idle(0);
            *item = now;
            break;
        }
        case 2: {
            int16_t width, height;
            self->GetMenuSize(&width, &height);
            *menuRect = Rect{0, 0, height, width};
            break;
        }
        case 3:
            self->GetMenuRect(menuRect, point, *item);
            break;
        case 10:
            *item = self->ItemAt(point);
            break;
        case 11: {
            const int16_t now = *item;
            if (self->fHilited > 0)
                self->HiliteItem(self->fHilited - 1, self->ItemRect(self->fHilited), false);
            if (now > 0)
                self->HiliteItem(now - 1, self->ItemRect(now), true);
            self->fHilited = now;
            break;
        }
        case 7:
            *item = 29811;
            break;
        default:
            break;
        }
    } catch (...) {
        *item = 0;
    }
}

bool CTextPopupControlEditor::TrackMouse(const EventRecord& event, bool quick)
{
    if (quick)
        return CControlEditor::TrackMouse(event, quick);
    SetHighlighted(true);
    Point global = event.where;
    {
        ScopedDrawing drawing(*this, nullptr);
        PortLocalToGlobal(&global);
    }
    Rect screen;
    if (!GetScreenRectAt(global, &screen)) {
        SetHighlighted(false);
        throw CDAEError(-7400);
    }
    fCurrentStep = int16_t(GetStep());
    fHilited = 0;
    InsertPopUpMenu(fMenu);
    int16_t font, size;
    SetMenuFont(fMenuFont, fMenuSize, &font, &size);
    const int32_t result = PopUpDefinedMenu(fMenu, global.v, global.h, int16_t(fCurrentStep + 1));
    DeletePopUpMenu(kMenuID);
    SetMenuFont(font, size, nullptr, nullptr);
    const int16_t chosen = int16_t(result & 0xFFFF);
    if ((result >> 16) == kMenuID && chosen > 0 && chosen != fCurrentStep + 1)
        SetStep(chosen - 1);
    SetHighlighted(false);
    SetCoveringPort(nullptr, nullptr);
    return true;
}

}  // namespace rtas::views
