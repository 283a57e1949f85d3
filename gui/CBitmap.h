// A reference-counted image: decoded from PNG bytes in memory, or empty (transparent) of a given size.
// Controls and frames keep their own reference to the bitmaps they are given. GUI thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "gui/CBaseObject.h"
#include "gui/Geometry.h"
#include "gui/IPlatformBitmap.h"

class CDrawContext;

class CBitmap : public CBaseObject
{
public:
    // Undecodable bytes give a bitmap of size 0 x 0 that is not loaded and draws nothing.
    CBitmap(const uint8_t* png, size_t size);
    CBitmap(CCoord width, CCoord height);
    explicit CBitmap(std::unique_ptr<IPlatformBitmap> platformBitmap);
    ~CBitmap() override;

    CCoord getWidth() const;
    CCoord getHeight() const;
    bool isLoaded() const { return platformBitmap_ != nullptr; }
    IPlatformBitmap* getPlatformBitmap() const { return platformBitmap_.get(); }

    // Copies the area from `offset` into `dest` (see CDrawContext::drawBitmap).
    virtual void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = CPoint(), float alpha = 1.f);

    QOR_GUI_TYPE(CBitmap, CBaseObject)

private:
    CBitmap(const CBitmap&) = delete;
    std::unique_ptr<IPlatformBitmap> platformBitmap_;
};
