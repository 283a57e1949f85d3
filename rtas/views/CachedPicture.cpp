#include "rtas/views/CachedPicture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/PlugInResourceFile.h"

#include <algorithm>

namespace rtas::views {
namespace {

CCachedPictureManager* gManager = nullptr;

}  // namespace

CCachedPicture::~CCachedPicture()
{
    DisposePicture(fPicture);
}

void CCachedPicture::DrawIn(const Rect& rect)
{
    if (fPicture != nullptr)
        DrawPictureIn(fPicture, &rect);
}

void CCachedPicture::Load(int16_t id)
{
    DisposePicture(fPicture);
    fPicture = nullptr;
    const int16_t previous = UsePlugInResourceFile();
    fPicture = LoadPictureResource(id);
    ReleasePlugInResourceFile(previous);
    fID = fPicture != nullptr ? id : int16_t(-1);
}

CCachedPictureManager::~CCachedPictureManager()
{
    if (fPictures != nullptr)
        for (CCachedPicture* picture : *fPictures)
            delete picture;
    delete fPictures;
}

CCachedPicture* CCachedPictureManager::Acquire(int16_t id)
{
    if (fPictures == nullptr)
        fPictures = new std::vector<CCachedPicture*>;
    CCachedPicture* found = nullptr;
    for (CCachedPicture* picture : *fPictures)
        if (picture->fID == id) {
            found = picture;
            break;
        }
    if (found == nullptr) {
        found = new CCachedPicture;
        // Found again by the ID it was asked for, even before (or without) a loaded picture.
        found->fID = id;
        fPictures->push_back(found);
    }
    ++found->fUses;
    return found;
}

void CCachedPictureManager::Release(CCachedPicture* picture)
{
    if (fPictures == nullptr)
        return;
    auto at = std::find(fPictures->begin(), fPictures->end(), picture);
    if (at == fPictures->end())
        return;
    if (picture->fUses > 0)
        --picture->fUses;
    if (picture->fUses == 0) {
        fPictures->erase(at);
        delete picture;
    }
}

int32_t CCachedPictureManager::GetCount() const
{
    return fPictures != nullptr ? int32_t(fPictures->size()) : 0;
}

CCachedPictureManager* PictureManager()
{
    if (gManager == nullptr)
        gManager = new CCachedPictureManager;
    return gManager;
}

CCachedPictureManager* PictureManagerIfAny() { return gManager; }

void ReleasePictureManagerIfEmpty()
{
    // Cleared with the deletion, so no picture view finds a manager that is gone.
    if (gManager != nullptr && gManager->GetCount() == 0) {
        delete gManager;
        gManager = nullptr;
    }
}

}  // namespace rtas::views
