// The stand-in host's graphics port and the drawing objects its services hand out. GUI thread only.
#pragma once

#include "rtas/framework/host/DrawingServices.h"

#include <cstdint>
#include <string>
#include <vector>

struct HostRegion
{
    // Disjoint rectangles, local coordinates.
    std::vector<Rect> rects;
};

struct HostPattern
{
    RGBColour colour;
};

struct HostPicture
{
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

struct HostTextEdit
{
    Rect rect{};
    std::string text;
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    bool active = false;
};

namespace qorkit {

struct KitPort
{
    static constexpr uint32_t kMagic = 0x51504F52;  // 'QPOR'

    KitPort(int32_t w, int32_t h);
    // The port behind a handle, or null when it is none of ours.
    static KitPort* from(OpaqueGrafPtr port);
    // One pixel at local coordinates, inside the clip and the buffer only.
    void plot(int32_t h, int32_t v, uint32_t colour);

    uint32_t magic = kMagic;
    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;
    Point origin{0, 0};
    HostRegion clip;
    Point pen{0, 0};
    int16_t penWidth = 1;
    int16_t penHeight = 1;
    int16_t penMode = 8;
    int16_t textFont = 0;
    int16_t textSize = 12;
    int16_t textFace = 0;
    int16_t textMode = 1;
    RGBColour fore{0, 0, 0};
    RGBColour back{0xFFFF, 0xFFFF, 0xFFFF};
    HostPattern* backPattern = nullptr;
};

KitPort* currentPort();
void setCurrentPort(KitPort* port);
// Counts drawing objects made and not disposed of.
void countObject(int32_t delta);

}  // namespace qorkit
