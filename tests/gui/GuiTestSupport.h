// Stand-ins for the editor, the listener and the platform window, and helpers that build bitmaps of known pixels.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PngBytes.h"
#include "gui/CBitmap.h"
#include "gui/CControl.h"
#include "gui/CControlListener.h"
#include "gui/IOffscreenSurface.h"
#include "gui/IPlatformFrame.h"
#include "gui/RgbaImage.h"
#include "gui/VSTGUIEditorInterface.h"

namespace guitest
{

struct RecordingEditor : VSTGUIEditorInterface
{
    std::vector<std::string> calls; // "begin 8", "end 8"
    void beginEdit(int32_t index) override { calls.push_back("begin " + std::to_string(index)); }
    void endEdit(int32_t index) override { calls.push_back("end " + std::to_string(index)); }
};

struct RecordingListener : CControlListener
{
    std::vector<float> values; // the control's value at each notice
    CControl* last = nullptr;
    void valueChanged(CControl* control) override
    {
        values.push_back(control->getValue());
        last = control;
    }
};

// A window that records what the frame asks of it.
struct FakePlatformFrame : IPlatformFrame
{
    std::vector<CRect> invalidated;
    int processed = 0;
    int focusRequests = 0;
    void invalidRect(const CRect& rect) override { invalidated.push_back(rect); }
    void processEvents() override { ++processed; }
    bool getCurrentMousePosition(CPoint& where) const override
    {
        where = CPoint(5, 6);
        return true;
    }
    bool getCurrentMouseButtons(CButtonState& buttons) const override
    {
        buttons = CButtonState(kShift);
        return true;
    }
    void takeFocus() override { ++focusRequests; }
    bool getSize(CRect& size) const override
    {
        size = CRect(0, 0, 100, 100);
        return true;
    }
    bool setSize(const CRect&) override { return true; }
    void* getNativeHandle() const override { return nullptr; }
};

inline RgbaImage solidImage(int32_t width, int32_t height, const CColor& color)
{
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < image.pixels.size(); i += 4)
    {
        image.pixels[i] = color.red;
        image.pixels[i + 1] = color.green;
        image.pixels[i + 2] = color.blue;
        image.pixels[i + 3] = color.alpha;
    }
    return image;
}

inline void fillRows(RgbaImage& image, int32_t top, int32_t bottom, const CColor& color)
{
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = 0; x < image.width; ++x)
        {
            uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
            p[0] = color.red;
            p[1] = color.green;
            p[2] = color.blue;
            p[3] = color.alpha;
        }
}

using testsupport::pngBytes;

inline CBitmap* bitmapOf(const RgbaImage& image, const std::string& name)
{
    const std::vector<uint8_t> bytes = pngBytes(image, name);
    return new CBitmap(bytes.data(), bytes.size());
}

// Colours compared channel by channel within a tolerance (backends round blends differently).
inline bool near(const CColor& a, const CColor& b, int tolerance = 2)
{
    const auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue) && close(a.alpha, b.alpha);
}

inline std::string describe(const CColor& c)
{
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ", " +
           std::to_string(c.alpha) + ")";
}

} // namespace guitest
