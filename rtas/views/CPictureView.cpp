#include "rtas/views/CPictureView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/CachedPicture.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/ViewRegistry.h"

namespace rtas::views {

CPictureView::CPictureView()
{
    PictureManager();
}

CPictureView::~CPictureView()
{
    if (CCachedPictureManager* manager = PictureManagerIfAny()) {
        for (CCachedPicture*& picture : fPictures) {
            if (picture != nullptr)
                manager->Release(picture);
            picture = nullptr;
        }
    }
    ReleasePictureManagerIfEmpty();
}

void CPictureView::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    while (!group.AtEnd()) {
        const DescriptionNode& state = group.Take(kNodeKeyword);
        int16_t which = -1;
        if (state.value == kKeyNormal)
            which = kNormal;
        else if (state.value == kKeyClicked)
            which = kClicked;
        else if (state.value == kKeyDisabled)
            which = kDisabled;
        else
            throw CDAEError(-7400);
        const DescriptionNode& id = group.Take();
        if (id.type == kNodeInteger)
            SetPicture(which, int16_t(id.value));
        else if (id.type != kNodeText)
            throw CDAEError(-7400);
    }
}

void CPictureView::SetPicture(int16_t state, int16_t id)
{
    if (state < kNormal || state > kDisabled)
        throw CDAEError(-7400);
    CCachedPicture*& slot = fPictures[state];
    if (slot == nullptr && id != -1) {
        slot = PictureManager()->Acquire(id);
        if (slot == nullptr)
            throw CDAEError(-7053);
    } else if (slot != nullptr && id == -1) {
        PictureManager()->Release(slot);
        slot = nullptr;
    } else if (slot != nullptr && slot->GetResourceID() != id) {
        // Another picture for the state: the cached one is shared, so take the new ID's entry instead of reloading
        // the shared one under the other views' feet.
        PictureManager()->Release(slot);
        slot = PictureManager()->Acquire(id);
    }
    if (slot != nullptr)
        slot->Load(id);
    Invalidate();
}

int16_t CPictureView::GetPictureID(int16_t state)
{
    if (state < kNormal || state > kDisabled || fPictures[state] == nullptr)
        return -1;
    return fPictures[state]->GetResourceID();
}

CCachedPicture* CPictureView::GetCurrentPicture()
{
    if (!IsEnabled() && fPictures[kDisabled] != nullptr)
        return fPictures[kDisabled];
    if (IsHighlighted() && fPictures[kClicked] != nullptr)
        return fPictures[kClicked];
    return fPictures[kNormal];
}

void CPictureView::DrawContent(const Rect&)
{
    if (CCachedPicture* picture = GetCurrentPicture())
        picture->DrawIn(Frame());
}

void CPictureView::SetEnabled(bool on)
{
    if (on == IsEnabled())
        return;
    CCustomView::SetEnabled(on);
    Update(nullptr);
}

}  // namespace rtas::views
