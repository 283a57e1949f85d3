// A control view that scrolls an item list view: bound to the list along one orientation, its value tells the
// offset of the list's content (the minimum value at offset 0, growing with the offset) and its page count how many
// visible extents the content fills. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CControlView.h"

namespace rtas::views {

class CItemListView;

class CScrollControlView : public CControlView
{
public:
    enum Orientation : int32_t
    {
        kVertical = 1,
        kHorizontal = 2,
    };

    void SetValue(int32_t value) override;

    // -7400 when the content lies below or right of the visible area's start (a negative offset).
    void BindScrolledView(CItemListView* view, int32_t orientation);
    CItemListView* GetScrolledView() const { return fScrolled; }
    int32_t GetPageCount() const { return fPages; }
    // The content's offset and the room it can scroll by, along the orientation.
    int32_t CurrentOffset() const;
    int32_t ScrollRoom() const;

private:
    CItemListView* fScrolled = nullptr;
    int32_t fOrientation = kVertical;
    int32_t fPages = 1;
};

}  // namespace rtas::views
