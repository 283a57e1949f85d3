// What the view tests share: a drawing port of the stand-in host, a resource file of the plug-in with the patterns,
// pictures, strings, dialogs and item lists the tests draw from, a scripted mouse, and a test control that parses
// its own texts.
#pragma once

#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitDrawing.h"
#include "hosts/rtas/toolbox/ResourceFileFormat.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/views/AllViews.h"
#include "rtas/views/CachedPicture.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/ItemList.h"
#include "rtas/views/PlateColours.h"
#include "rtas/views/ViewFactory.h"
#include "rtas/views/ViewRegistry.h"
#include "rtas/views/ViewLayerState.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace viewtests {

using namespace rtas::views;
using rtas::ControlValueToInteger;

constexpr uint32_t FourCC(const char (&text)[5]) { return HostFourCC(text); }

inline uint32_t Pixel(const RGBColour& c)
{
    return (uint32_t(c.red >> 8) << 16) | (uint32_t(c.green >> 8) << 8) | uint32_t(c.blue >> 8);
}

inline std::vector<uint8_t> Be16s(std::initializer_list<int> values)
{
    std::vector<uint8_t> out;
    for (int v : values) {
        out.push_back(uint8_t(uint16_t(v) >> 8));
        out.push_back(uint8_t(v));
    }
    return out;
}

// A plain pattern of one colour, in the kit's 'ppat' form.
inline std::vector<uint8_t> PatternBytes(uint16_t r, uint16_t g, uint16_t b) { return Be16s({r, g, b}); }

// A picture of one colour, in the kit's 'PICT' form.
inline std::vector<uint8_t> PictureBytes(int w, int h, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> out = Be16s({w, h});
    for (int i = 0; i < w * h; ++i) {
        out.push_back(r);
        out.push_back(g);
        out.push_back(b);
    }
    return out;
}

// A 'DLOG' record: its bounds and the number of its item list.
inline std::vector<uint8_t> DialogBytes(Rect bounds, int itemList)
{
    return Be16s({bounds.top, bounds.left, bounds.bottom, bounds.right, 0, 1, 0, 0, 0, itemList});
}

// One item of a 'DITL' as stored (big-endian).
struct StoredItem
{
    Rect rect;
    uint8_t kind;
    std::string data;
};

inline std::vector<uint8_t> ItemListBytes(const std::vector<StoredItem>& items)
{
    std::vector<uint8_t> out = Be16s({int(items.size()) - 1});
    for (const StoredItem& item : items) {
        out.insert(out.end(), 4, 0);
        const std::vector<uint8_t> r = Be16s({item.rect.top, item.rect.left, item.rect.bottom, item.rect.right});
        out.insert(out.end(), r.begin(), r.end());
        out.push_back(item.kind);
        out.push_back(uint8_t(item.data.size()));
        out.insert(out.end(), item.data.begin(), item.data.end());
        if (item.data.size() & 1)
            out.push_back(0);
    }
    return out;
}

inline std::vector<uint8_t> StringListBytes(const std::vector<std::string>& strings)
{
    std::vector<uint8_t> out = Be16s({int(strings.size())});
    for (const std::string& s : strings) {
        out.push_back(uint8_t(s.size()));
        out.insert(out.end(), s.begin(), s.end());
    }
    return out;
}

// An item record in memory, as the description parser reads it.
inline ItemRecord Item(const std::string& text, Rect rect = Rect{10, 10, 50, 90}, uint8_t kind = kStaticTextItem)
{
    ItemRecord item{};
    item.rect = rect;
    item.kind = kind;
    item.length = uint8_t(std::min<size_t>(text.size(), 255));
    for (size_t i = 0; i < item.length; ++i)
        item.data[i] = uint8_t(text[i]);
    return item;
}

// A control of the tests' own: 0 .. steps - 1 as integers, parsing and showing its step number.
class TestControl : public CControlView
{
public:
    explicit TestControl(int32_t steps = 11)
    {
        SetStepCount(steps);
        SetViewID(FourCC("ctl1"));
    }
    void GetValueText(int32_t value, std::string* text, int32_t maxLength) override
    {
        *text = std::to_string(ValueToStep(value)).substr(0, size_t(maxLength));
    }
    int32_t ValueFromText(int32_t* value, const std::string& text) override
    {
        char* end = nullptr;
        const long step = std::strtol(text.c_str(), &end, 10);
        if (end == text.c_str() || *end != 0 || step < 0 || step >= GetStepCount())
            return -1;
        *value = StepToValue(int32_t(step));
        return 0;
    }
    void IsValidTextChar(char c, bool* answer) override { *answer = (c >= '0' && c <= '9') || c == 8; }
};

class ViewsTest : public ::testing::Test
{
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 150;

    void SetUp() override
    {
        rtas::ResetModuleState();
        QorKitClearMouse();
        QorKitClearInvalidations();
        QorKitSetScreen(0, 0, 480, 640);
        objectsBefore = QorKitLiveDrawingObjects();
        WriteResources(Resources());
        port = QorKitNewDrawingPort(kWidth, kHeight);
    }

    void TearDown() override
    {
        QorKitDisposeDrawingPort(port);
        EXPECT_EQ(QorKitLiveDrawingObjects(), objectsBefore) << "regions, patterns or pictures leaked";
        EXPECT_EQ(PictureManagerIfAny(), nullptr) << "the picture manager outlived its last picture";
        EXPECT_EQ(LayerState().plateUsers, 0);
        EXPECT_EQ(rtas::PlugInResourceFileUses(), 0);
        rtas::SetPlugInResourceFile("", nullptr);
        std::remove(path.c_str());
    }

    virtual std::vector<qorkit::StoredResource> Resources()
    {
        return {
            {FourCC("ppat"), 1001, "", PatternBytes(0xAAAA, 0xAAAA, 0xAAAA)},
            {FourCC("ppat"), 1002, "", PatternBytes(0x9999, 0x9999, 0x9999)},
            {FourCC("ppat"), 1000, "", PatternBytes(0x4444, 0x4444, 0x4444)},
            {FourCC("PICT"), 200, "", PictureBytes(2, 2, 0xFF, 0, 0)},
            {FourCC("PICT"), 201, "", PictureBytes(2, 2, 0, 0, 0xFF)},
            {FourCC("STR#"), 300, "", StringListBytes({"first", "tab\\tbed", std::string(254, 'x')})},
        };
    }

    void WriteResources(const std::vector<qorkit::StoredResource>& resources)
    {
        path = ::testing::UnitTest::GetInstance()->current_test_info()->name() + std::string(".rsr");
        const std::vector<uint8_t> bytes = qorkit::writeResourceFile(resources);
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        rtas::SetPlugInResourceFile(path, nullptr);
    }

    uint32_t At(int h, int v) const { return uint32_t(QorKitPixel(port, h, v)); }

    // A press at (h, v) that the mouse then follows through path and releases at its last point.
    static EventRecord Press(int16_t h, int16_t v, uint16_t modifiers = 0,
                             const std::vector<Point>& path = {})
    {
        QorKitPushMouse(h, v, 1);
        for (const Point& p : path)
            QorKitPushMouse(p.h, p.v, 1);
        const Point last = path.empty() ? Point{v, h} : path.back();
        QorKitPushMouse(last.h, last.v, 0);
        return EventRecord{1, 0, 0, Point{v, h}, modifiers};
    }

    static EventRecord Key(char c, uint16_t modifiers = 0)
    {
        return EventRecord{3, uint32_t(uint8_t(c)), 0, Point{0, 0}, modifiers};
    }

    std::string path;
    OpaqueGrafPtr port = nullptr;
    int32_t objectsBefore = 0;
};

}  // namespace viewtests
