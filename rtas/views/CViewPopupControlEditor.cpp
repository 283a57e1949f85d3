#include "rtas/views/CViewPopupControlEditor.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CControlView.h"
#include "rtas/views/CDialogView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"

namespace rtas::views {
namespace {

constexpr uint32_t kLibraryClick = 0x12345678;
constexpr uint16_t kMouseDown = 1;

}  // namespace

CViewPopupControlEditor::~CViewPopupControlEditor()
{
    AttachEditors(false);
    delete fDialog;
    DisposeDefinedMenu(fMenu);
    DisposeRegion(fRegion);
}

void CViewPopupControlEditor::ReadDescription(DescriptionParser& parser)
{
    CControlEditor::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    fDialogID = int16_t(group.Take(kNodeInteger).value);
    for (int i = 0; i < kEditors && !group.AtEnd(); ++i)
        fEditorIDs[i] = uint32_t(group.Take(kNodeFourCC).value);
    group.Finish();
}

CPlugInView* CViewPopupControlEditor::BuildSubViews()
{
    if (fDialog == nullptr) {
        auto* dialog = new CDialogView;
        dialog->SetDialogID(fDialogID);
        try {
            dialog->FinishCreate();
        } catch (...) {
            delete dialog;
            throw;
        }
        fDialog = dialog;
        for (int i = 0; i < kEditors; ++i) {
            fEditors[i] = dynamic_cast<CControlEditor*>(fDialog->FindViewByID(fEditorIDs[i]));
            if (fEditors[i] != nullptr && fEditors[i]->GetControlView() != nullptr)
                fEditors[i]->GetControlView()->DetachEditor(fEditors[i]);
        }
    }
    if (fRegion == nullptr)
        fRegion = NewRegion();
    if (fMenu == nullptr)
        fMenu = NewDefinedMenu(kMenuID, &MenuDefinition, reinterpret_cast<HostWord>(this));
    return CControlEditor::BuildSubViews();
}

void CViewPopupControlEditor::AttachEditors(bool attach)
{
    CControlView* view = GetControlView();
    for (CControlEditor* editor : fEditors) {
        if (editor == nullptr)
            continue;
        if (attach && view != nullptr)
            view->AttachEditor(editor);
        else if (!attach && editor->GetControlView() != nullptr)
            editor->GetControlView()->DetachEditor(editor);
    }
}

void CViewPopupControlEditor::GetPopupSize(int16_t* width, int16_t* height)
{
    const Rect f = fDialog != nullptr ? fDialog->Frame() : Rect{0, 0, 0, 0};
    *width = int16_t(f.right - f.left);
    *height = int16_t(f.bottom - f.top);
}

void CViewPopupControlEditor::GetMenuRect(Rect* rect, Point point, int16_t)
{
    int16_t width, height;
    GetPopupSize(&width, &height);
    Rect wanted{point.v, point.h, int16_t(point.v + height), int16_t(point.h + width)};
    // The first editor's value point lies under the click.
    if (fEditors[0] != nullptr && fDialog != nullptr) {
        Point value;
        fEditors[0]->GetValuePoint(&value);
        const Rect& f = fDialog->Frame();
        wanted = OffsetRect(wanted, -(value.h - f.left), -(value.v - f.top));
    }
    fGeometry = PlacePopup(wanted, point);
    *rect = fGeometry.visible;
}

void CViewPopupControlEditor::ScrollMenu(int16_t, int16_t)
{
    if (fDialog != nullptr)
        fDialog->MoveTo(fGeometry.content.left, fGeometry.content.top);
    DrawPopup();
}

void CViewPopupControlEditor::AutoScroll(Point point)
{
    int16_t dh, dv, pause;
    if (AutoScrollStep(fGeometry, point, 4, &dh, &dv, &pause))
        ScrollMenu(dh, dv);
}

void CViewPopupControlEditor::DrawPopup()
{
    if (fDialog == nullptr)
        return;
    if (fDialog->GetPort() == nullptr) {
        fDialog->MoveTo(fGeometry.content.left, fGeometry.content.top);
        fDialog->SetLimitRect(fGeometry.visible);
        fDialog->SetPort(GetGrafPort());
    }
    const Rect& v = fGeometry.visible;
    const Rect covered{int16_t(v.top - 1), int16_t(v.left - 1), int16_t(v.bottom + 2), int16_t(v.right + 2)};
    SetCoveringPort(GetGrafPort(), &covered);
    const RGBColour black{0, 0, 0};
    SetForeColour(&black);
    fDialog->Update(nullptr);
    DrawArrowBands(fGeometry, RGBColour{0xF5F5, 0xF7F7, 0xFBFB});
}

void QOR_HOST_CALL CViewPopupControlEditor::MenuDefinition(int16_t message, HostMenu* menu, Rect* menuRect,
                                                            Point point, int16_t* item)
{
    auto* self = reinterpret_cast<CViewPopupControlEditor*>(GetMenuReference(menu));
    if (self == nullptr)
        return;
    // Nothing may leave through the host's menu code.
    try {
        switch (message) {
        case 0:
            self->DrawPopup();
            break;
        case 1: {
            self->AutoScroll(point);
            if (self->fDialog != nullptr && PointInRect(point, self->fGeometry.visible)) {
                const EventRecord press{kMouseDown, kLibraryClick, TickCount(), point, 128};
                self->fDialog->Activate();
                self->fDialog->HandleMouseDown(press);
            }
            *item = 0;  // the menu never selects an item
            if (CControlView* view = self->GetControlView())
                view->Idle(0);
            break;
        }
        case 2: {
            int16_t width, height;
            self->GetPopupSize(&width, &height);
            *menuRect = Rect{0, 0, height, width};
            break;
        }
        case 3:
            self->GetMenuRect(menuRect, point, *item);
            break;
        default:
            break;
        }
    } catch (...) {
        *item = 0;
    }
}

bool CViewPopupControlEditor::TrackMouse(const EventRecord& event, bool quick)
{
    if (quick || fDialog == nullptr)
        return CControlEditor::TrackMouse(event, quick);
    Point global = event.where;
    {
        ScopedDrawing drawing(*this, nullptr);
        PortLocalToGlobal(&global);
    }
    Rect screen;
    if (!GetScreenRectAt(global, &screen))
        throw CDAEError(-7400);
    fClick = global;
    AttachEditors(true);
    InsertPopUpMenu(fMenu);
    int16_t font, size;
    SetMenuFont(fMenuFont, fMenuSize, &font, &size);
    PopUpDefinedMenu(fMenu, global.v, global.h, 1);
    DeletePopUpMenu(kMenuID);
    SetMenuFont(font, size, nullptr, nullptr);
    AttachEditors(false);
    fDialog->SetPort(nullptr);
    SetCoveringPort(nullptr, nullptr);
    return true;
}

}  // namespace rtas::views
