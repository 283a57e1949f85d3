// Offscreen rendering and PNG writing for the Windows backend.
#include <memory>

#include "gui/IOffscreenSurface.h"
#include "gui/win32/GdiplusDrawContext.h"
#include "gui/win32/GdiplusImage.h"
#include "gui/win32/GdiplusSession.h"

namespace
{

class GdiplusOffscreenSurface : public IOffscreenSurface
{
public:
    GdiplusOffscreenSurface(std::unique_ptr<GdiplusSession> session, std::unique_ptr<Gdiplus::Bitmap> bitmap)
        : session_(std::move(session)), bitmap_(std::move(bitmap)), graphics_(bitmap_.get()),
          context_(&graphics_, CRect(0, 0, bitmap_->GetWidth(), bitmap_->GetHeight()))
    {
    }

    CDrawContext& getDrawContext() override { return context_; }

    RgbaImage readPixels() override
    {
        graphics_.Flush(Gdiplus::FlushIntentionSync);
        return readRgba(*bitmap_);
    }

private:
    // In order of construction; GDI+ goes last.
    std::unique_ptr<GdiplusSession> session_;
    std::unique_ptr<Gdiplus::Bitmap> bitmap_;
    Gdiplus::Graphics graphics_;
    GdiplusDrawContext context_;
};

} // namespace

std::unique_ptr<IOffscreenSurface> createOffscreenSurface(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto session = std::make_unique<GdiplusSession>();
    if (!session->isStarted())
        return nullptr;
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    if (bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    {
        Gdiplus::Graphics clear(bitmap.get());
        clear.Clear(Gdiplus::Color(0, 0, 0, 0));
    }
    return std::make_unique<GdiplusOffscreenSurface>(std::move(session), std::move(bitmap));
}

bool writePngFile(const RgbaImage& image, const std::string& path)
{
    GdiplusSession session;
    if (!session.isStarted())
        return false;
    std::unique_ptr<Gdiplus::Bitmap> bitmap = bitmapFromRgba(image);
    return bitmap && saveAsPng(*bitmap, path);
}
