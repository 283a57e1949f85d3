// A pop-up that shows a whole dialog of further editors for the same control: while it is open, up to four editors
// of the pop-up dialog are attached to this editor's control view, and presses in the pop-up go to the dialog.
// GUI thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/ControlServices.h"
#include "rtas/views/CControlEditor.h"
#include "rtas/views/PopupMenuGeometry.h"

namespace rtas::views {

class CDialogView;

class CViewPopupControlEditor : public CControlEditor
{
public:
    static constexpr int16_t kMenuID = 1000;
    static constexpr int kEditors = 4;

    ~CViewPopupControlEditor() override;

    void ReadDescription(DescriptionParser& parser) override;
    CPlugInView* BuildSubViews() override;
    bool TrackMouse(const EventRecord& event, bool quick) override;

    virtual void GetPopupSize(int16_t* width, int16_t* height);
    virtual void GetMenuRect(Rect* rect, Point point, int16_t item);
    virtual void AutoScroll(Point point);
    virtual void ScrollMenu(int16_t dh, int16_t dv);

    CDialogView* GetPopupDialog() const { return fDialog; }
    CControlEditor* GetPopupEditor(int index) const
    {
        return index >= 0 && index < kEditors ? fEditors[index] : nullptr;
    }
    int16_t GetDialogID() const { return fDialogID; }
    const PopupGeometry& Geometry() const { return fGeometry; }

private:
    static void QOR_HOST_CALL MenuDefinition(int16_t message, HostMenu* menu, Rect* menuRect, Point point,
                                             int16_t* item);
    void DrawPopup();
    void AttachEditors(bool attach);

    int16_t fMenuFont = 3;
    int16_t fMenuSize = 9;
    PopupGeometry fGeometry;
    HostRegion* fRegion = nullptr;
    CDialogView* fDialog = nullptr;
    int16_t fDialogID = -1;
    uint32_t fEditorIDs[kEditors]{kNoViewID, kNoViewID, kNoViewID, kNoViewID};
    CControlEditor* fEditors[kEditors]{};
    HostMenu* fMenu = nullptr;
    Point fClick{0, 0};
};

}  // namespace rtas::views
