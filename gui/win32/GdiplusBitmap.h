// The Windows backend's pixels: a GDI+ bitmap in premultiplied 32-bit ARGB, owning its pixels (not tied to the
// stream it was decoded from).
#pragma once

#include <memory>

#include "gui/IPlatformBitmap.h"
#include "gui/win32/GdiplusHeaders.h"
#include "gui/win32/GdiplusSession.h"

class GdiplusBitmap : public IPlatformBitmap
{
public:
    // Takes over a bitmap created while `session` was held.
    explicit GdiplusBitmap(std::unique_ptr<GdiplusSession> session, std::unique_ptr<Gdiplus::Bitmap> bitmap)
        : session_(std::move(session)), bitmap_(std::move(bitmap))
    {
    }
    ~GdiplusBitmap() override = default;

    int32_t getWidth() const override { return static_cast<int32_t>(bitmap_->GetWidth()); }
    int32_t getHeight() const override { return static_cast<int32_t>(bitmap_->GetHeight()); }
    Gdiplus::Bitmap* getBitmap() const { return bitmap_.get(); }

private:
    // Declared first: GDI+ must outlive the bitmap.
    std::unique_ptr<GdiplusSession> session_;
    std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};
