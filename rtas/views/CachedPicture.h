// The module's cache of host pictures that picture views share: one CCachedPicture per resource ID, counted by its
// users and deleted with the last. The manager is made by the first picture view and deleted when it holds no
// picture any more. GUI thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

#include <cstdint>
#include <vector>

namespace rtas::views {

class CCachedPicture
{
public:
    virtual ~CCachedPicture();
    virtual void DrawIn(const Rect& rect);

    // Disposes of the held picture and loads the picture resource id from the plug-in's resource file; a missing
    // resource leaves the picture empty with the ID -1.
    void Load(int16_t id);
    int16_t GetResourceID() const { return fID; }
    bool HasPicture() const { return fPicture != nullptr; }
    int16_t GetUseCount() const { return fUses; }

private:
    friend class CCachedPictureManager;
    HostPicture* fPicture = nullptr;
    int16_t fID = -1;
    int16_t fUses = 0;
};

class CCachedPictureManager
{
public:
    virtual ~CCachedPictureManager();
    // The cached picture for id (a new, empty one the first time), with one more use.
    virtual CCachedPicture* Acquire(int16_t id);
    // One use less; the last use removes and deletes the picture. A picture not in the cache is ignored.
    virtual void Release(CCachedPicture* picture);
    virtual int32_t GetCount() const;

private:
    std::vector<CCachedPicture*>* fPictures = nullptr;
};

// The module's manager: made on demand by picture views, and let go (deleted) when it is empty.
CCachedPictureManager* PictureManager();
CCachedPictureManager* PictureManagerIfAny();
void ReleasePictureManagerIfEmpty();

}  // namespace rtas::views
