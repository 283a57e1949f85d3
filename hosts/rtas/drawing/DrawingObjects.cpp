// The stand-in host's patterns, pictures, text, mouse and text-edit records. Pattern and picture resources are in
// the kit's own big-endian forms:
//   'ppat': u16 red, u16 green, u16 blue (a plain pattern of one colour)
//   'PICT': u16 width, u16 height, then width x height pixels of u8 red, green, blue, row by row
#include "hosts/rtas/KitDrawing.h"
#include "hosts/rtas/drawing/KitPort.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
#include <cstring>
#include <deque>

using qorkit::KitPort;

namespace {

constexpr int16_t kGlyphAdvance = 6;
constexpr int16_t kAscent = 7;
constexpr int16_t kDescent = 2;
constexpr int16_t kLeading = 1;

struct MousePosition
{
    Point point;
    bool down;
};
std::deque<MousePosition> gMouse;
Point gLastMouse{0, 0};

uint32_t rd16(const uint8_t* p) { return (uint32_t(p[0]) << 8) | p[1]; }

uint32_t pack(const RGBColour& c)
{
    return (uint32_t(c.red >> 8) << 16) | (uint32_t(c.green >> 8) << 8) | uint32_t(c.blue >> 8);
}

// Bytes of a resource of the current file, or an empty answer.
bool resourceBytes(uint32_t type, int16_t id, std::vector<uint8_t>& out)
{
    HostHandle handle = Get1Resource(type, id);
    if (handle == nullptr)
        return false;
    const int32_t size = GetHandleSize(handle);
    out.assign(*handle, *handle + std::max(size, 0));
    ReleaseResource(handle);
    return true;
}

void drawRun(KitPort& p, const char* text, int32_t length)
{
    const uint32_t c = pack(p.fore);
    for (int32_t i = 0; i < length; ++i) {
        if (text[i] != ' ')
            for (int32_t v = p.pen.v - kAscent; v < p.pen.v; ++v)
                for (int32_t h = p.pen.h; h < p.pen.h + kGlyphAdvance - 1; ++h)
                    p.plot(h, v, c);
        p.pen.h = int16_t(p.pen.h + kGlyphAdvance);
    }
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT HostPattern* QOR_HOST_CALL LoadPatternResource(int16_t id)
{
    std::vector<uint8_t> bytes;
    if (!resourceBytes(HostFourCC("ppat"), id, bytes) || bytes.size() < 6)
        return nullptr;
    qorkit::countObject(1);
    return new HostPattern{RGBColour{uint16_t(rd16(&bytes[0])), uint16_t(rd16(&bytes[2])), uint16_t(rd16(&bytes[4]))}};
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposePattern(HostPattern* pattern)
{
    if (pattern == nullptr)
        return;
    if (KitPort* p = qorkit::currentPort(); p != nullptr && p->backPattern == pattern)
        p->backPattern = nullptr;
    qorkit::countObject(-1);
    delete pattern;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetBackPattern(HostPattern* pattern)
{
    if (KitPort* p = qorkit::currentPort())
        p->backPattern = pattern;
}

QOR_KIT_EXPORT HostPattern* QOR_HOST_CALL GetBackPattern(void)
{
    const KitPort* p = qorkit::currentPort();
    return p != nullptr ? p->backPattern : nullptr;
}

QOR_KIT_EXPORT HostPicture* QOR_HOST_CALL LoadPictureResource(int16_t id)
{
    std::vector<uint8_t> bytes;
    if (!resourceBytes(HostFourCC("PICT"), id, bytes) || bytes.size() < 4)
        return nullptr;
    const int32_t w = int32_t(rd16(&bytes[0])), h = int32_t(rd16(&bytes[2]));
    if (bytes.size() - 4 < size_t(w) * size_t(h) * 3)
        return nullptr;
    auto* picture = new HostPicture;
    picture->width = w;
    picture->height = h;
    for (size_t i = 0; i < size_t(w) * size_t(h); ++i)
        picture->pixels.push_back((uint32_t(bytes[4 + 3 * i]) << 16) | (uint32_t(bytes[5 + 3 * i]) << 8) |
                                  bytes[6 + 3 * i]);
    qorkit::countObject(1);
    return picture;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposePicture(HostPicture* picture)
{
    if (picture == nullptr)
        return;
    qorkit::countObject(-1);
    delete picture;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DrawPictureIn(HostPicture* picture, const Rect* r)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || picture == nullptr || r == nullptr || picture->width == 0 || picture->height == 0)
        return;
    const int32_t w = r->right - r->left, h = r->bottom - r->top;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            p->plot(r->left + x, r->top + y,
                    picture->pixels[size_t(y * picture->height / h) * size_t(picture->width) +
                                    size_t(x * picture->width / w)]);
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetFontMetrics(HostFontMetrics* metrics)
{
    if (metrics != nullptr)
        *metrics = HostFontMetrics{kAscent, kDescent, kLeading};
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL TextRunWidth(const char*, int16_t length)
{
    return int16_t(std::max<int16_t>(length, 0) * kGlyphAdvance);
}

QOR_KIT_EXPORT void QOR_HOST_CALL DrawTextRun(const char* text, int16_t length)
{
    if (KitPort* p = qorkit::currentPort(); p != nullptr && text != nullptr)
        drawRun(*p, text, length);
}

QOR_KIT_EXPORT void QOR_HOST_CALL DrawTextBox(const char* text, int32_t length, const Rect* r, int16_t justification)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || text == nullptr || r == nullptr)
        return;
    const int32_t perLine = std::max<int32_t>((r->right - r->left) / kGlyphAdvance, 1);
    int32_t v = r->top + kAscent;
    int32_t start = 0;
    while (start < length && v <= r->bottom) {
        int32_t end = start;
        while (end < length && end - start < perLine && text[end] != '\r' && text[end] != '\n')
            ++end;
        const int32_t width = (end - start) * kGlyphAdvance;
        const int32_t spare = (r->right - r->left) - width;
        const int32_t h = justification == -1 ? r->left + spare : justification == 1 ? r->left + spare / 2 : r->left;
        p->pen = Point{int16_t(v), int16_t(h)};
        drawRun(*p, text + start, end - start);
        start = end < length && (text[end] == '\r' || text[end] == '\n') ? end + 1 : end;
        v += kAscent + kDescent + kLeading;
    }
}

QOR_KIT_EXPORT void QorKitPushMouse(int16_t h, int16_t v, int32_t down)
{
    gMouse.push_back(MousePosition{Point{v, h}, down != 0});
}

QOR_KIT_EXPORT void QorKitClearMouse(void) { gMouse.clear(); }
QOR_KIT_EXPORT int32_t QorKitMousePositionsLeft(void) { return int32_t(gMouse.size()); }

QOR_KIT_EXPORT uint8_t QOR_HOST_CALL MouseStillDown(void)
{
    return !gMouse.empty() && gMouse.front().down ? 1 : 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetMousePoint(Point* point)
{
    if (!gMouse.empty()) {
        gLastMouse = gMouse.front().point;
        gMouse.pop_front();
    }
    if (point != nullptr)
        *point = gLastMouse;
}

QOR_KIT_EXPORT HostTextEdit* QOR_HOST_CALL NewTextEdit(const Rect* rect)
{
    auto* edit = new HostTextEdit;
    if (rect != nullptr)
        edit->rect = *rect;
    qorkit::countObject(1);
    return edit;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeTextEdit(HostTextEdit* edit)
{
    if (edit == nullptr)
        return;
    qorkit::countObject(-1);
    delete edit;
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditSetText(HostTextEdit* edit, const char* text, int32_t length)
{
    if (edit == nullptr)
        return;
    edit->text.assign(text != nullptr ? text : "", text != nullptr ? size_t(std::max(length, 0)) : 0);
    edit->selectionStart = edit->selectionEnd = int32_t(edit->text.size());
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL TextEditGetText(HostTextEdit* edit, char* text, int32_t capacity)
{
    if (edit == nullptr)
        return 0;
    if (text != nullptr && capacity > 0)
        std::memcpy(text, edit->text.data(), std::min(size_t(capacity), edit->text.size()));
    return int32_t(edit->text.size());
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditSelectAll(HostTextEdit* edit)
{
    if (edit != nullptr) {
        edit->selectionStart = 0;
        edit->selectionEnd = int32_t(edit->text.size());
    }
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditKey(HostTextEdit* edit, char character)
{
    if (edit == nullptr)
        return;
    int32_t start = edit->selectionStart, end = edit->selectionEnd;
    if (character == 8 && start == end && start > 0)
        --start;
    edit->text.erase(size_t(start), size_t(end - start));
    if (character != 8)
        edit->text.insert(size_t(start++), 1, character);
    edit->selectionStart = edit->selectionEnd = start;
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditClick(HostTextEdit* edit, Point point, uint8_t extend)
{
    if (edit == nullptr)
        return;
    const int32_t at = std::clamp<int32_t>((point.h - edit->rect.left) / kGlyphAdvance, 0, int32_t(edit->text.size()));
    if (extend)
        edit->selectionEnd = at;
    else
        edit->selectionStart = edit->selectionEnd = at;
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditActivate(HostTextEdit* edit, uint8_t active)
{
    if (edit != nullptr)
        edit->active = active != 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditIdle(HostTextEdit*) {}

QOR_KIT_EXPORT void QOR_HOST_CALL TextEditUpdate(HostTextEdit* edit, const Rect*)
{
    KitPort* p = qorkit::currentPort();
    if (p == nullptr || edit == nullptr)
        return;
    EraseRectangle(&edit->rect);
    p->pen = Point{int16_t(edit->rect.top + kAscent + 1), edit->rect.left};
    drawRun(*p, edit->text.data(), int32_t(edit->text.size()));
}

}  // extern "C"
