// The stand-in host's ports and clip regions: a region is a list of disjoint rectangles.
#include "hosts/rtas/KitDrawing.h"
#include "hosts/rtas/drawing/KitPort.h"

#include <algorithm>

namespace qorkit {
namespace {

KitPort* gCurrent = nullptr;
int32_t gLiveObjects = 0;

constexpr Rect kWideOpen{-32767, -32767, 32767, 32767};

bool empty(const Rect& r) { return r.bottom <= r.top || r.right <= r.left; }

// a minus b as up to four disjoint rectangles appended to out.
void subtract(const Rect& a, const Rect& b, std::vector<Rect>& out)
{
    const Rect cut{std::max(a.top, b.top), std::max(a.left, b.left), std::min(a.bottom, b.bottom),
                   std::min(a.right, b.right)};
    if (empty(cut)) {
        out.push_back(a);
        return;
    }
    const Rect pieces[4] = {{a.top, a.left, cut.top, a.right},
                            {cut.bottom, a.left, a.bottom, a.right},
                            {cut.top, a.left, cut.bottom, cut.left},
                            {cut.top, cut.right, cut.bottom, a.right}};
    for (const Rect& piece : pieces)
        if (!empty(piece))
            out.push_back(piece);
}

}  // namespace

KitPort::KitPort(int32_t w, int32_t h)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(size_t(width) * size_t(height), 0xFFFFFFu)
{
    clip.rects.push_back(kWideOpen);
}

KitPort* KitPort::from(OpaqueGrafPtr port)
{
    auto* p = reinterpret_cast<KitPort*>(port);
    return p != nullptr && p->magic == kMagic ? p : nullptr;
}

void KitPort::plot(int32_t h, int32_t v, uint32_t colour)
{
    const bool inClip = std::any_of(clip.rects.begin(), clip.rects.end(), [&](const Rect& r) {
        return h >= r.left && h < r.right && v >= r.top && v < r.bottom;
    });
    const int32_t x = h - origin.h, y = v - origin.v;
    if (inClip && x >= 0 && y >= 0 && x < width && y < height)
        pixels[size_t(y) * size_t(width) + size_t(x)] = colour;
}

KitPort* currentPort() { return gCurrent; }
void setCurrentPort(KitPort* port) { gCurrent = port; }
void countObject(int32_t delta) { gLiveObjects += delta; }

}  // namespace qorkit

using qorkit::KitPort;

extern "C" {

QOR_KIT_EXPORT int32_t QorKitLiveDrawingObjects(void) { return qorkit::gLiveObjects; }

QOR_KIT_EXPORT HostRegion* QOR_HOST_CALL NewRegion(void)
{
    qorkit::countObject(1);
    return new HostRegion;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeRegion(HostRegion* region)
{
    if (region == nullptr)
        return;
    qorkit::countObject(-1);
    delete region;
}

QOR_KIT_EXPORT void QOR_HOST_CALL RectRegion(HostRegion* region, const Rect* rect)
{
    if (region == nullptr || rect == nullptr)
        return;
    region->rects.clear();
    if (!qorkit::empty(*rect))
        region->rects.push_back(*rect);
}

QOR_KIT_EXPORT void QOR_HOST_CALL DiffRegion(HostRegion* a, HostRegion* b, HostRegion* destination)
{
    if (a == nullptr || b == nullptr || destination == nullptr)
        return;
    std::vector<Rect> result = a->rects;
    for (const Rect& cut : b->rects) {
        std::vector<Rect> next;
        for (const Rect& r : result)
            qorkit::subtract(r, cut, next);
        result.swap(next);
    }
    destination->rects = std::move(result);
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetClipRegion(HostRegion* region)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && region != nullptr)
        *region = p->clip;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetClipRegion(HostRegion* region)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && region != nullptr)
        p->clip = *region;
}

QOR_KIT_EXPORT void QOR_HOST_CALL ClipToRect(const Rect* rect)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && rect != nullptr) {
        p->clip.rects.clear();
        if (!qorkit::empty(*rect))
            p->clip.rects.push_back(*rect);
    }
}

}  // extern "C"
