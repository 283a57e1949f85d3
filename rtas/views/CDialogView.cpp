#include "rtas/views/CDialogView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/host/ToolboxServices.h"

namespace rtas::views {
namespace {

int16_t Be16(const uint8_t* p) { return int16_t((uint16_t(p[0]) << 8) | p[1]); }

}  // namespace

CDialogView::~CDialogView()
{
    DisposePattern(fPattern);
}

// The 'DLOG' resource as stored, big-endian: the bounds rectangle at 0 and the item list's ID at 18.
CPlugInView* CDialogView::BuildSubViews()
{
    const int16_t previous = UsePlugInResourceFile();
    HostHandle dialog = Get1Resource(0x444C4F47, fDialogID);  // 'DLOG'
    Rect bounds{0, 0, 0, 0};
    int16_t listID = -1;
    const bool whole = dialog != nullptr && GetHandleSize(dialog) >= 20;
    if (whole) {
        const auto* p = reinterpret_cast<const uint8_t*>(*dialog);
        bounds = Rect{Be16(p), Be16(p + 2), Be16(p + 4), Be16(p + 6)};
        listID = Be16(p + 18);
    }
    if (dialog != nullptr)
        ReleaseResource(dialog);
    ReleasePlugInResourceFile(previous);
    // A record too short to hold the item list's ID is as missing as no record.
    if (!whole)
        throw CDAEError(-7053);
    SetFrame(Rect{0, 0, int16_t(bounds.bottom - bounds.top), int16_t(bounds.right - bounds.left)});
    SetEnabled(false);
    SetItemListID(listID);
    return CItemListView::BuildSubViews();
}

void CDialogView::SetPort(OpaqueGrafPtr port)
{
    if (port != nullptr && fPattern == nullptr) {
        const OpaqueGrafPtr savedPort = GetGrafPort();
        SetGrafPort(port);
        const int16_t previous = UsePlugInResourceFile();
        fPattern = LoadPattern(fPatternID);
        ReleasePlugInResourceFile(previous);
        SetGrafPort(savedPort);
    }
    CItemListView::SetPort(port);
}

}  // namespace rtas::views
