#include "rtas/views/CItemListView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/host/ToolboxServices.h"
#include "rtas/views/CIconView.h"
#include "rtas/views/CMacControlView.h"
#include "rtas/views/CPictureView.h"
#include "rtas/views/CScrollControlView.h"
#include "rtas/views/CStaticTextView.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/ItemList.h"
#include "rtas/views/ViewFactory.h"

#include <memory>
#include <string>

namespace rtas::views {

void CItemListView::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    fListID = int16_t(group.Take(kNodeInteger).value);
    if (!group.AtEnd()) {
        fVerticalID = uint32_t(group.Take(kNodeFourCC).value);
        fHorizontalID = uint32_t(group.Take(kNodeFourCC).value);
    }
    group.Finish();
}

void CItemListView::BuildItem(const ItemRecord& item)
{
    const uint8_t kind = item.kind & 0x7C;
    const std::string text(reinterpret_cast<const char*>(item.data), item.length);
    // A 16-bit resource ID in the item data; an item too short to hold one names none.
    const int16_t resourceID = ItemResourceID(item);
    std::unique_ptr<CPlugInView> view;
    bool described = false;
    switch (kind) {
    case kUserItem:
        view.reset(new CPlugInView);
        break;
    case kControlItem:
        view.reset(CreateViewFromDescription(item, &described));
        if (!described) {
            switch (item.kind & 3) {
            case 0: view.reset(new CButtonView(text)); break;
            case 1: view.reset(new CCheckBoxView(text)); break;
            case 2: view.reset(new CRadioButtonView(text)); break;
            default: view.reset(new CResControlView(resourceID)); break;
            }
        }
        break;
    case kStaticTextItem:
    case kEditTextItem:
        view.reset(CreateViewFromDescription(item, &described));
        if (!described) {
            auto* label = new CStaticTextView;
            label->SetText(text);
            view.reset(label);
        }
        break;
    case kIconItem:
        view.reset(new CIconView(resourceID));
        break;
    case kPictureItem: {
        auto* picture = new CPictureView;
        view.reset(picture);
        picture->SetPicture(CPictureView::kNormal, resourceID);
        break;
    }
    default:
        throw CDAEError(-7400);
    }
    view->SetEnabled(ItemIsEnabled(item));
    view->SetFrame(item.rect);
    CPlugInView* placed = view.release();
    InsertSubView(placed, true);
    placed->FinishCreate();
}

CPlugInView* CItemListView::BuildSubViews()
{
    if (fListID == -1)
        throw CDAEError(-7053);
    const int16_t previous = UsePlugInResourceFile();
    HostHandle list = Get1Resource(0x4449544C, fListID);  // 'DITL'
    if (list == nullptr) {
        ReleasePlugInResourceFile(previous);
        throw CDAEError(-7053);
    }
    HLock(list);
    try {
        ItemListReader reader(reinterpret_cast<const uint8_t*>(*list), GetHandleSize(list));
        ItemRecord item{};
        while (reader.Next(&item))
            BuildItem(item);
    } catch (...) {
        HUnlock(list);
        ReleaseResource(list);
        ReleasePlugInResourceFile(previous);
        throw;
    }
    HUnlock(list);
    ReleaseResource(list);
    ReleasePlugInResourceFile(previous);
    const Rect& f = Frame();
    for (CPlugInView* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling()) {
        const Rect& c = child->Frame();
        child->MoveTo(int16_t(c.left + f.left), int16_t(c.top + f.top));
    }
    return CCustomView::BuildSubViews();
}

void CItemListView::ConnectSubViews()
{
    auto find = [this](uint32_t id) -> CScrollControlView* {
        for (CPlugInView* v = GetParent(); v != nullptr; v = v->GetParent())
            if (CPlugInView* found = v->FindViewByID(id))
                return dynamic_cast<CScrollControlView*>(found);
        return nullptr;
    };
    if ((fVertical = find(fVerticalID)) != nullptr)
        fVertical->BindScrolledView(this, CScrollControlView::kVertical);
    if ((fHorizontal = find(fHorizontalID)) != nullptr)
        fHorizontal->BindScrolledView(this, CScrollControlView::kHorizontal);
    CCustomView::ConnectSubViews();
}

void CItemListView::DisconnectSubViews()
{
    if (fVertical != nullptr)
        fVertical->BindScrolledView(nullptr, CScrollControlView::kVertical);
    if (fHorizontal != nullptr)
        fHorizontal->BindScrolledView(nullptr, CScrollControlView::kHorizontal);
    fVertical = fHorizontal = nullptr;
    CCustomView::DisconnectSubViews();
}

void CItemListView::Draw(const Rect& rect)
{
    if (GetPort() == nullptr) {
        CCustomView::Draw(rect);
        return;
    }
    ScopedDrawing drawing(*this, &rect);
    CCustomView::Draw(rect);
}

// This host has no pixel scrolling: the children move and the whole visible part is drawn again, which shows the
// same result as scrolling the pixels and drawing the uncovered strip.
void CItemListView::ScrollContents(int16_t dh, int16_t dv)
{
    RGBColour back;
    GetBackColor(&back);
    SetBackColour(&back);
    BeginBackground();
    for (CPlugInView* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling())
        child->MoveBy(dh, dv);
    Rect visible;
    GetVisibleRect(&visible);
    if (GetPort() != nullptr && !IsEmptyRect(visible))
        Draw(visible);
    EndBackground();
}

void CItemListView::GetContentBounds(Rect* rect)
{
    CPlugInView* child = GetFirstChild();
    if (child == nullptr) {
        *rect = Rect{0, 0, 0, 0};
        return;
    }
    Rect r = child->Frame();
    for (child = child->GetNextSibling(); child != nullptr; child = child->GetNextSibling())
        r = UnionRects(r, child->Frame());
    *rect = r;
}

}  // namespace rtas::views
