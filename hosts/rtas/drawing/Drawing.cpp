// The stand-in DigiExt.dll's drawing services: ports that are plain RGB pixel buffers of our own, so a test can draw
// a view tree and read pixels back on every build. Coordinates are local to the port: pixel (h - origin.h,
// v - origin.v). Lines hang below and to the right of the pen, as the host's pen does. The font is a stand-in: every
// glyph but the blank is a solid cell, 6 pixels wide (5 painted) and 7 high above the base line.
#include "hosts/rtas/KitDrawing.h"
#include "hosts/rtas/drawing/KitPort.h"
#include "rtas/framework/host/DrawingServices.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using qorkit::KitPort;

namespace {

int32_t gInvalidations = 0;

uint32_t pack(const RGBColour& c)
{
    return (uint32_t(c.red >> 8) << 16) | (uint32_t(c.green >> 8) << 8) | uint32_t(c.blue >> 8);
}

void fillLocal(KitPort& p, int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t colour)
{
    for (int32_t v = top; v < bottom; ++v)
        for (int32_t h = left; h < right; ++h)
            p.plot(h, v, colour);
}

void penBlock(KitPort& p, int32_t h, int32_t v)
{
    fillLocal(p, h, v, h + p.penWidth, v + p.penHeight, pack(p.fore));
}

void line(KitPort& p, int32_t h0, int32_t v0, int32_t h1, int32_t v1)
{
    const int32_t dh = std::abs(h1 - h0), dv = -std::abs(v1 - v0);
    const int32_t sh = h0 < h1 ? 1 : -1, sv = v0 < v1 ? 1 : -1;
    int32_t error = dh + dv;
    for (;;) {
        penBlock(p, h0, v0);
        if (h0 == h1 && v0 == v1)
            break;
        const int32_t e2 = 2 * error;
        if (e2 >= dv) {
            error += dv;
            h0 += sh;
        }
        if (e2 <= dh) {
            error += dh;
            v0 += sv;
        }
    }
}

uint32_t eraseColour(const KitPort& p)
{
    return p.backPattern != nullptr ? pack(p.backPattern->colour) : pack(p.back);
}

// Inside the ellipse inscribed in the rectangle, tested at the pixel's centre.
bool inOval(const Rect& r, int32_t h, int32_t v)
{
    const double a = (r.right - r.left) / 2.0, b = (r.bottom - r.top) / 2.0;
    if (a <= 0 || b <= 0)
        return false;
    const double x = (h + 0.5 - (r.left + a)) / a, y = (v + 0.5 - (r.top + b)) / b;
    return x * x + y * y <= 1.0;
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT OpaqueGrafPtr QorKitNewDrawingPort(int32_t width, int32_t height)
{
    return reinterpret_cast<OpaqueGrafPtr>(new KitPort(width, height));
}

QOR_KIT_EXPORT void QorKitDisposeDrawingPort(OpaqueGrafPtr port)
{
    KitPort* p = KitPort::from(port);
    if (p == nullptr)
        return;
    if (qorkit::currentPort() == p)
        qorkit::setCurrentPort(nullptr);
    delete p;
}

QOR_KIT_EXPORT int32_t QorKitPixel(OpaqueGrafPtr port, int32_t h, int32_t v)
{
    const KitPort* p = KitPort::from(port);
    if (p == nullptr || h < 0 || v < 0 || h >= p->width || v >= p->height)
        return -1;
    return int32_t(p->pixels[size_t(v) * size_t(p->width) + size_t(h)]);
}

QOR_KIT_EXPORT int32_t QorKitWritePortImage(OpaqueGrafPtr port, const char* path)
{
    const KitPort* p = KitPort::from(port);
    FILE* file = p != nullptr ? std::fopen(path, "wb") : nullptr;
    if (file == nullptr)
        return 0;
    std::fprintf(file, "P6\n%d %d\n255\n", int(p->width), int(p->height));
    for (uint32_t pixel : p->pixels) {
        const unsigned char rgb[3] = {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)};
        std::fwrite(rgb, 1, 3, file);
    }
    return std::fclose(file) == 0 ? 1 : 0;
}

QOR_KIT_EXPORT int32_t QorKitInvalidations(void) { return gInvalidations; }
QOR_KIT_EXPORT void QorKitClearInvalidations(void) { gInvalidations = 0; }

QOR_KIT_EXPORT OpaqueGrafPtr QOR_HOST_CALL GetGrafPort(void)
{
    return reinterpret_cast<OpaqueGrafPtr>(qorkit::currentPort());
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetGrafPort(OpaqueGrafPtr port)
{
    qorkit::setCurrentPort(KitPort::from(port));
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetPortOrigin(OpaqueGrafPtr port, Point* origin)
{
    const KitPort* p = KitPort::from(port);
    if (origin != nullptr)
        *origin = p != nullptr ? p->origin : Point{0, 0};
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetPortOrigin(int16_t h, int16_t v)
{
    if (KitPort* p = qorkit::currentPort()) {
        // The clip stays on the same pixels, as the host's does.
        const int16_t dh = int16_t(h - p->origin.h), dv = int16_t(v - p->origin.v);
        for (Rect& r : p->clip.rects) {
            r.left = int16_t(r.left + dh);
            r.right = int16_t(r.right + dh);
            r.top = int16_t(r.top + dv);
            r.bottom = int16_t(r.bottom + dv);
        }
        p->origin = Point{v, h};
    }
}

// The port's top-left pixel is the screen's origin.
QOR_KIT_EXPORT void QOR_HOST_CALL PortLocalToGlobal(Point* point)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && point != nullptr) {
        point->h = int16_t(point->h - p->origin.h);
        point->v = int16_t(point->v - p->origin.v);
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL PortGlobalToLocal(Point* point)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && point != nullptr) {
        point->h = int16_t(point->h + p->origin.h);
        point->v = int16_t(point->v + p->origin.v);
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL InvalPortRect(OpaqueGrafPtr, const Rect*)
{
    ++gInvalidations;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetPenMode(int16_t mode)
{
    if (KitPort* p = qorkit::currentPort())
        p->penMode = mode;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetPenSize(int16_t width, int16_t height)
{
    if (KitPort* p = qorkit::currentPort()) {
        p->penWidth = std::max<int16_t>(width, 0);
        p->penHeight = std::max<int16_t>(height, 0);
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetTextMode(int16_t mode)
{
    if (KitPort* p = qorkit::currentPort())
        p->textMode = mode;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetTextFont(int16_t font)
{
    if (KitPort* p = qorkit::currentPort())
        p->textFont = font;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetTextSize(int16_t size)
{
    if (KitPort* p = qorkit::currentPort())
        p->textSize = size;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetTextFace(int16_t face)
{
    if (KitPort* p = qorkit::currentPort())
        p->textFace = face;
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetTextState(int16_t* font, int16_t* size, int16_t* face, int16_t* mode)
{
    const KitPort* p = qorkit::currentPort();
    if (font != nullptr)
        *font = p != nullptr ? p->textFont : 0;
    if (size != nullptr)
        *size = p != nullptr ? p->textSize : 0;
    if (face != nullptr)
        *face = p != nullptr ? p->textFace : 0;
    if (mode != nullptr)
        *mode = p != nullptr ? p->textMode : 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetForeColour(const RGBColour* colour)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && colour != nullptr)
        p->fore = *colour;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetBackColour(const RGBColour* colour)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && colour != nullptr)
        p->back = *colour;
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetForeColour(RGBColour* colour)
{
    if (const KitPort* p = qorkit::currentPort(); p != nullptr && colour != nullptr)
        *colour = p->fore;
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetBackColour(RGBColour* colour)
{
    if (const KitPort* p = qorkit::currentPort(); p != nullptr && colour != nullptr)
        *colour = p->back;
}

QOR_KIT_EXPORT void QOR_HOST_CALL PenMoveTo(int16_t h, int16_t v)
{
    if (KitPort* p = qorkit::currentPort())
        p->pen = Point{v, h};
}

QOR_KIT_EXPORT void QOR_HOST_CALL PenMove(int16_t dh, int16_t dv)
{
    if (KitPort* p = qorkit::currentPort())
        p->pen = Point{int16_t(p->pen.v + dv), int16_t(p->pen.h + dh)};
}

QOR_KIT_EXPORT void QOR_HOST_CALL PenLineTo(int16_t h, int16_t v)
{
    if (KitPort* p = qorkit::currentPort()) {
        line(*p, p->pen.h, p->pen.v, h, v);
        p->pen = Point{v, h};
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL PenLine(int16_t dh, int16_t dv)
{
    if (KitPort* p = qorkit::currentPort())
        PenLineTo(int16_t(p->pen.h + dh), int16_t(p->pen.v + dv));
}

QOR_KIT_EXPORT void QOR_HOST_CALL FillRectangle(const Rect* r)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && r != nullptr)
        fillLocal(*p, r->left, r->top, r->right, r->bottom, pack(p->fore));
}

QOR_KIT_EXPORT void QOR_HOST_CALL EraseRectangle(const Rect* r)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && r != nullptr)
        fillLocal(*p, r->left, r->top, r->right, r->bottom, eraseColour(*p));
}

QOR_KIT_EXPORT void QOR_HOST_CALL FrameRectangle(const Rect* r)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || r == nullptr || r->right <= r->left || r->bottom <= r->top)
        return;
    const uint32_t c = pack(p->fore);
    fillLocal(*p, r->left, r->top, r->right, r->top + p->penHeight, c);
    fillLocal(*p, r->left, r->bottom - p->penHeight, r->right, r->bottom, c);
    fillLocal(*p, r->left, r->top, r->left + p->penWidth, r->bottom, c);
    fillLocal(*p, r->right - p->penWidth, r->top, r->right, r->bottom, c);
}

QOR_KIT_EXPORT void QOR_HOST_CALL EraseOvalIn(const Rect* r)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || r == nullptr)
        return;
    const uint32_t c = eraseColour(*p);
    for (int32_t v = r->top; v < r->bottom; ++v)
        for (int32_t h = r->left; h < r->right; ++h)
            if (inOval(*r, h, v))
                p->plot(h, v, c);
}

QOR_KIT_EXPORT void QOR_HOST_CALL FrameOvalIn(const Rect* r)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || r == nullptr)
        return;
    const Rect inner{int16_t(r->top + p->penHeight), int16_t(r->left + p->penWidth),
                     int16_t(r->bottom - p->penHeight), int16_t(r->right - p->penWidth)};
    const uint32_t c = pack(p->fore);
    for (int32_t v = r->top; v < r->bottom; ++v)
        for (int32_t h = r->left; h < r->right; ++h)
            if (inOval(*r, h, v) && !inOval(inner, h, v))
                p->plot(h, v, c);
}

}  // extern "C"
