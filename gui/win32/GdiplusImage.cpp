#include "gui/win32/GdiplusImage.h"

#include <vector>

namespace
{

bool pngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT at = 0; at < count; ++at)
    {
        if (lstrcmpiW(encoders[at].MimeType, L"image/png") == 0)
        {
            encoder = encoders[at].Clsid;
            return true;
        }
    }
    return false;
}

std::wstring widePath(const std::string& utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring path(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, &path[0], length);
    path.resize(static_cast<size_t>(length - 1));
    return path;
}

} // namespace

RgbaImage readRgba(Gdiplus::Bitmap& bitmap)
{
    RgbaImage image;
    const auto width = static_cast<int32_t>(bitmap.GetWidth());
    const auto height = static_cast<int32_t>(bitmap.GetHeight());
    const Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (width <= 0 || height <= 0 ||
        bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height * 4);
    for (int32_t y = 0; y < height; ++y)
    {
        // Memory order of 32-bit ARGB is B, G, R, A.
        const auto* in = static_cast<const uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        uint8_t* out = &image.pixels[static_cast<size_t>(y) * width * 4];
        for (int32_t x = 0; x < width; ++x, in += 4, out += 4)
        {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = in[3];
            if (out[3] == 0)
                out[0] = out[1] = out[2] = 0;
        }
    }
    bitmap.UnlockBits(&data);
    return image;
}

std::unique_ptr<Gdiplus::Bitmap> bitmapFromRgba(const RgbaImage& image)
{
    if (image.empty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height * 4)
        return nullptr;
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(image.width, image.height, PixelFormat32bppARGB);
    if (bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    const Gdiplus::Rect all(0, 0, image.width, image.height);
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return nullptr;
    for (int32_t y = 0; y < image.height; ++y)
    {
        const uint8_t* in = &image.pixels[static_cast<size_t>(y) * image.width * 4];
        auto* out = static_cast<uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        for (int32_t x = 0; x < image.width; ++x, in += 4, out += 4)
        {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = in[3];
        }
    }
    bitmap->UnlockBits(&data);
    return bitmap;
}

bool saveAsPng(Gdiplus::Bitmap& bitmap, const std::string& path)
{
    CLSID encoder{};
    const std::wstring wide = widePath(path);
    return !wide.empty() && pngEncoder(encoder) && bitmap.Save(wide.c_str(), &encoder, nullptr) == Gdiplus::Ok;
}
