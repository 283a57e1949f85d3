// A view that builds its children from a dialog item list resource ('DITL'): each item becomes the view its
// description names, or its ordinary view (button, check box, radio button, static text, icon, picture, plain
// view). Item rectangles are relative to the list view's top-left corner. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CCustomView.h"

namespace rtas::views {

class CScrollControlView;

class CItemListView : public CCustomView
{
public:
    void ReadDescription(DescriptionParser& parser) override;
    CPlugInView* BuildSubViews() override;
    void ConnectSubViews() override;
    void DisconnectSubViews() override;
    void Draw(const Rect& rect) override;

    virtual void ScrollContents(int16_t dh, int16_t dv);
    virtual void GetContentBounds(Rect* rect);

    int16_t GetItemListID() const { return fListID; }
    void SetItemListID(int16_t id) { fListID = id; }
    void SetScrollControlIDs(uint32_t vertical, uint32_t horizontal)
    {
        fVerticalID = vertical;
        fHorizontalID = horizontal;
    }

private:
    void BuildItem(const struct ItemRecord& item);

    int16_t fListID = -1;
    uint32_t fVerticalID = kNoViewID;
    uint32_t fHorizontalID = kNoViewID;
    CScrollControlView* fVertical = nullptr;
    CScrollControlView* fHorizontal = nullptr;
};

}  // namespace rtas::views
