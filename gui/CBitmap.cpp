#include "gui/CBitmap.h"

#include "gui/CDrawContext.h"

CBitmap::CBitmap(const uint8_t* png, size_t size)
    : platformBitmap_(png && size > 0 ? createPlatformBitmapFromPng(png, size) : nullptr)
{
}

CBitmap::CBitmap(CCoord width, CCoord height)
    : platformBitmap_(width > 0 && height > 0
                          ? createPlatformBitmap(static_cast<int32_t>(width), static_cast<int32_t>(height))
                          : nullptr)
{
}

CBitmap::CBitmap(std::unique_ptr<IPlatformBitmap> platformBitmap) : platformBitmap_(std::move(platformBitmap)) {}

CBitmap::~CBitmap() = default;

CCoord CBitmap::getWidth() const { return platformBitmap_ ? platformBitmap_->getWidth() : 0; }

CCoord CBitmap::getHeight() const { return platformBitmap_ ? platformBitmap_->getHeight() : 0; }

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset, float alpha)
{
    if (context && platformBitmap_)
        context->drawBitmap(this, dest, offset, alpha);
}
