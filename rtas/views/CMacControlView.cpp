#include "rtas/views/CMacControlView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"

namespace rtas::views {

CMacControlView::~CMacControlView()
{
    DisposeHostControl(fControl);
}

void CMacControlView::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    fTitle = group.TakeText();
    fMinimum = int16_t(group.Take(kNodeInteger).value);
    fMaximum = int16_t(group.Take(kNodeInteger).value);
    fValue = int16_t(group.Take(kNodeInteger).value);
    group.Finish();
}

int16_t CMacControlView::GetControlKind()
{
    throw CDAEError(-7400);
}

HostControl* CMacControlView::CreateControl()
{
    unsigned char title[256];
    title[0] = uint8_t(fTitle.size());
    for (size_t i = 0; i < fTitle.size(); ++i)
        title[i + 1] = uint8_t(fTitle[i]);
    return NewHostControl(GetPort(), &Frame(), title, 0, fValue, fMinimum, fMaximum, GetControlKind(),
                          reinterpret_cast<HostWord>(this));
}

void CMacControlView::SetPort(OpaqueGrafPtr port)
{
    CCustomView::SetPort(port);
    DisposeHostControl(fControl);
    fControl = nullptr;
    if (port != nullptr) {
        fControl = CreateControl();
        if (fControl == nullptr)
            throw CDAEError(-7053);
        fFirstDraw = true;
    }
}

void CMacControlView::DrawContent(const Rect&)
{
    if (fControl == nullptr)
        return;
    if (fFirstDraw) {
        ShowHostControl(fControl);
        fFirstDraw = false;
    } else {
        DrawHostControl(fControl);
    }
}

void CMacControlView::Click(const EventRecord& event)
{
    if (fControl != nullptr) {
        TrackHostControl(fControl, event.where);
        fValue = GetHostControlValue(fControl);
    }
}

void CMacControlView::MoveBy(int16_t dh, int16_t dv)
{
    CCustomView::MoveBy(dh, dv);
    if (fControl != nullptr)
        MoveHostControl(fControl, Frame().left, Frame().top);
}

HostControl* CResControlView::CreateControl()
{
    if (fResourceID == -1)
        throw CDAEError(-7400);
    const int16_t previous = UsePlugInResourceFile();
    HostControl* control = NewHostControlFromResource(fResourceID, GetPort());
    ReleasePlugInResourceFile(previous);
    if (control == nullptr)
        throw CDAEError(-7053);
    Rect bounds;
    GetHostControlRect(control, &bounds);
    MoveHostControl(control, int16_t(Frame().left - bounds.left), int16_t(Frame().top - bounds.top));
    GetHostControlRect(control, &bounds);
    SetFrame(bounds);
    return control;
}

}  // namespace rtas::views
