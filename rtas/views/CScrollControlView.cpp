#include "rtas/views/CScrollControlView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CItemListView.h"

namespace rtas::views {
namespace {

struct Extents
{
    int32_t offset;
    int32_t content;
    int32_t visible;
};

Extents Measure(CItemListView& view, int32_t orientation)
{
    Rect content, visible;
    view.GetContentBounds(&content);
    visible = view.Frame();
    if (orientation == CScrollControlView::kHorizontal)
        return Extents{visible.left - content.left, content.right - content.left, visible.right - visible.left};
    return Extents{visible.top - content.top, content.bottom - content.top, visible.bottom - visible.top};
}

}  // namespace

int32_t CScrollControlView::CurrentOffset() const
{
    return fScrolled != nullptr ? Measure(*fScrolled, fOrientation).offset : 0;
}

int32_t CScrollControlView::ScrollRoom() const
{
    if (fScrolled == nullptr)
        return 0;
    const Extents e = Measure(*fScrolled, fOrientation);
    return e.content > e.visible ? e.content - e.visible : 0;
}

void CScrollControlView::BindScrolledView(CItemListView* view, int32_t orientation)
{
    fScrolled = view;
    fOrientation = orientation;
    if (view == nullptr)
        return;
    const Extents e = Measure(*view, orientation);
    if (e.offset < 0)
        throw CDAEError(-7400);
    if (e.content > e.visible && e.visible > 0) {
        fPages = (e.content + e.visible - 1) / e.visible;
        // Offset 0 is the minimum value; the room to scroll spans the whole range.
        StoreValue(IntegerToControlValue(std::min(e.offset, e.content - e.visible), 0, e.content - e.visible));
    } else {
        fPages = 1;
        StoreValue(INT32_MIN);
    }
}

void CScrollControlView::SetValue(int32_t value)
{
    if (fScrolled != nullptr) {
        const Extents e = Measure(*fScrolled, fOrientation);
        if (e.content > e.visible) {
            const int32_t offset = ControlValueToInteger(value, 0, e.content - e.visible);
            const int32_t delta = e.offset - offset;
            if (delta != 0) {
                if (fOrientation == kHorizontal)
                    fScrolled->ScrollContents(int16_t(delta), 0);
                else
                    fScrolled->ScrollContents(0, int16_t(delta));
            }
        }
    }
    StoreValue(value);
}

}  // namespace rtas::views
