// The Windows backend's bitmap factories: PNG decoding by GDI+ from a stream over the bytes.
#include "gui/win32/GdiplusBitmap.h"

#include <cstring>
#include <limits>

#include <shlwapi.h>

namespace
{

// An empty (transparent) bitmap of the backend's format; null when GDI+ cannot allocate it.
std::unique_ptr<Gdiplus::Bitmap> newBitmap(int32_t width, int32_t height)
{
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    if (bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Graphics graphics(bitmap.get());
    graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
    return bitmap;
}

// Copies the decoded image into a bitmap of our own: a bitmap decoded from a stream keeps reading that stream for
// as long as it lives.
std::unique_ptr<Gdiplus::Bitmap> ownCopy(Gdiplus::Bitmap& decoded)
{
    const auto width = static_cast<int32_t>(decoded.GetWidth());
    const auto height = static_cast<int32_t>(decoded.GetHeight());
    if (width <= 0 || height <= 0)
        return nullptr;
    std::unique_ptr<Gdiplus::Bitmap> copy = newBitmap(width, height);
    if (!copy)
        return nullptr;
    const Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData source{};
    if (decoded.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &source) != Gdiplus::Ok)
        return nullptr;
    Gdiplus::BitmapData target{};
    if (copy->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB, &target) != Gdiplus::Ok)
    {
        decoded.UnlockBits(&source);
        return nullptr;
    }
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(static_cast<uint8_t*>(target.Scan0) + static_cast<ptrdiff_t>(y) * target.Stride,
                    static_cast<const uint8_t*>(source.Scan0) + static_cast<ptrdiff_t>(y) * source.Stride,
                    static_cast<size_t>(width) * 4);
    copy->UnlockBits(&target);
    decoded.UnlockBits(&source);
    return copy;
}

} // namespace

std::unique_ptr<IPlatformBitmap> createPlatformBitmapFromPng(const uint8_t* data, size_t size)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    // GDI+ would also decode other formats; only PNG is asked for.
    if (!data || size < sizeof(kSignature) || size > std::numeric_limits<UINT>::max() ||
        std::memcmp(data, kSignature, sizeof(kSignature)) != 0)
        return nullptr;
    auto session = std::make_unique<GdiplusSession>();
    if (!session->isStarted())
        return nullptr;
    IStream* stream = SHCreateMemStream(data, static_cast<UINT>(size));
    if (!stream)
        return nullptr;
    std::unique_ptr<Gdiplus::Bitmap> copy;
    {
        std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
        if (decoded && decoded->GetLastStatus() == Gdiplus::Ok)
            copy = ownCopy(*decoded);
    }
    stream->Release();
    if (!copy)
        return nullptr;
    return std::make_unique<GdiplusBitmap>(std::move(session), std::move(copy));
}

std::unique_ptr<IPlatformBitmap> createPlatformBitmap(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto session = std::make_unique<GdiplusSession>();
    if (!session->isStarted())
        return nullptr;
    std::unique_ptr<Gdiplus::Bitmap> bitmap = newBitmap(width, height);
    if (!bitmap)
        return nullptr;
    return std::make_unique<GdiplusBitmap>(std::move(session), std::move(bitmap));
}
