#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/ByteReader.h"
#include "effect/editor/CQorBitmap.h"
#include "effect/editor/EmbeddedImages.h"
#include "effect/editor/ImageTable.h"
#include "gui/IOffscreenSurface.h"

namespace {

struct TabledImage
{
    int32_t number;
    int32_t width;
    int32_t height;
};

const TabledImage kImages[] = {
    {989, 12, 45},      {12102, 811, 286},   {12200, 811, 286},   {15000, 104, 20072}, {15002, 104, 20072},
    {15004, 50, 4850},  {15006, 50, 4850},   {15008, 50, 4850},   {15010, 50, 4850},   {15012, 50, 4850},
    {15014, 57, 214},   {15016, 73, 198},    {15018, 62, 161},    {15020, 145, 145},   {15022, 145, 145},
    {15024, 145, 145},  {15030, 67, 48},     {15032, 55, 48},     {19989, 42, 45},     {19990, 36, 45},
    {19991, 12, 42},    {19992, 12, 42},     {19993, 12, 42},     {19994, 12, 42},     {19995, 12, 42},
    {19996, 12, 42},    {19997, 31, 70},     {19998, 12, 42},     {19999, 12, 42},
};

const int32_t kKnobStrips[] = {15000, 15002, 15004, 15006, 15008, 15010, 15012};

struct PngLayout
{
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t bitDepth = 0;
    uint8_t colourType = 0;
    uint8_t interlace = 0;
    std::vector<std::string> chunks;
    bool endsAtIend = false;
};

// Walks the PNG's chunks (big-endian lengths) and reads its header; stops at the first chunk that overruns.
PngLayout readLayout(const uint8_t* png, size_t length)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PngLayout layout;
    ByteReader reader(png, length, true);
    uint8_t signature[8];
    if (!reader.readBytes(signature, 8) || std::memcmp(signature, kSignature, 8) != 0)
        return layout;
    uint32_t size = 0;
    char type[5] = {};
    while (reader.readUInt32(size) && reader.readBytes(type, 4))
    {
        ByteReader data = reader.slice(size);
        if (data.size() != size || !reader.skip(size) || !reader.skip(4))
            return layout;
        layout.chunks.push_back(type);
        if (layout.chunks.size() == 1 && std::string(type) == "IHDR")
        {
            uint8_t compression, filter;
            data.readUInt32(layout.width);
            data.readUInt32(layout.height);
            data.readUInt8(layout.bitDepth);
            data.readUInt8(layout.colourType);
            data.readUInt8(compression);
            data.readUInt8(filter);
            data.readUInt8(layout.interlace);
        }
        if (std::string(type) == "IEND")
        {
            layout.endsAtIend = reader.remaining() == 0;
            break;
        }
    }
    return layout;
}

// The image as the GUI layer decodes it, drawn onto a transparent offscreen surface and read back.
RgbaImage decode(int32_t number)
{
    CQorBitmap* bitmap = new CQorBitmap(number);
    RgbaImage image;
    const int32_t width = static_cast<int32_t>(bitmap->getWidth());
    const int32_t height = static_cast<int32_t>(bitmap->getHeight());
    if (auto surface = width > 0 && height > 0 ? createOffscreenSurface(width, height) : nullptr)
    {
        surface->getDrawContext().drawBitmap(bitmap, CRect(0, 0, width, height));
        image = surface->readPixels();
    }
    bitmap->forget();
    return image;
}

// Premultiplied red, green, blue and alpha of every pixel of one frame, so that transparent pixels whose stored
// colour differs count for nothing.
std::vector<double> frameChannels(const RgbaImage& strip, int32_t frame)
{
    const int32_t size = strip.width;
    std::vector<double> channels;
    channels.reserve(static_cast<size_t>(size) * size * 4);
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x)
        {
            const CColor c = strip.getPixel(x, frame * size + y);
            const double k = c.alpha / 255.0;
            channels.insert(channels.end(), {c.red * k, c.green * k, c.blue * k, double(c.alpha)});
        }
    return channels;
}

double difference(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::fabs(a[i] - b[i]);
    return sum / 255.0;
}

// Where a frame's pointer points, in degrees clockwise from straight up: the direction of the centroid of what
// is unusual in the frame. A pixel is unusual when it departs from its median over all frames by more than three
// times its median departure: the pointer passes any one pixel only briefly, while lighting and shadow stay put
// and grip detail that turns with the knob varies all the time, so neither of those counts.
std::vector<double> pointerAngles(const RgbaImage& strip)
{
    const int32_t size = strip.width;
    const int32_t frames = strip.height / size;
    std::vector<std::vector<double>> all;
    for (int32_t f = 0; f < frames; ++f)
        all.push_back(frameChannels(strip, f));
    const auto middle = [frames](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + frames / 2, v.end());
        return v[frames / 2];
    };
    std::vector<double> median(all[0].size()), spread(all[0].size());
    std::vector<double> values(frames);
    for (size_t i = 0; i < median.size(); ++i)
    {
        for (int32_t f = 0; f < frames; ++f)
            values[f] = all[f][i];
        median[i] = middle(values);
        for (int32_t f = 0; f < frames; ++f)
            values[f] = std::fabs(all[f][i] - median[i]);
        spread[i] = middle(values);
    }
    std::vector<double> angles;
    const double centre = size / 2.0;
    for (const auto& frame : all)
    {
        double sx = 0.0, sy = 0.0;
        for (size_t i = 0; i < frame.size(); ++i)
        {
            const size_t pixel = i / 4;
            const double weight = std::max(0.0, std::fabs(frame[i] - median[i]) - 3.0 * spread[i]);
            sx += weight * (pixel % size + 0.5 - centre);
            sy += weight * (pixel / size + 0.5 - centre);
        }
        angles.push_back(std::atan2(sx, -sy) * 180.0 / std::acos(-1.0));
    }
    return angles;
}

bool everyPixelOpaque(const RgbaImage& image)
{
    for (size_t i = 3; i < image.pixels.size(); i += 4)
        if (image.pixels[i] != 255)
            return false;
    return !image.empty();
}

}  // namespace

TEST(ImageTable, HoldsExactlyTheEditorsImages)
{
    EXPECT_EQ(kEmbeddedImageCount, sizeof kImages / sizeof kImages[0]);
    for (const TabledImage& image : kImages)
    {
        size_t length = 0;
        EXPECT_NE(findImage(image.number, length), nullptr) << image.number;
        EXPECT_GT(length, 0u) << image.number;
    }
}

TEST(ImageTable, EveryImageIsAnRgba8PngOfItsTabledSize)
{
    for (const TabledImage& image : kImages)
    {
        SCOPED_TRACE(image.number);
        size_t length = 0;
        const uint8_t* png = findImage(image.number, length);
        ASSERT_NE(png, nullptr);
        const PngLayout layout = readLayout(png, length);
        EXPECT_EQ(layout.width, static_cast<uint32_t>(image.width));
        EXPECT_EQ(layout.height, static_cast<uint32_t>(image.height));
        EXPECT_EQ(layout.bitDepth, 8);
        EXPECT_EQ(layout.colourType, 6);  // RGB with alpha
        EXPECT_EQ(layout.interlace, 0);
        // Pixel data only: no time stamps or texts, so the same picture is always the same bytes.
        ASSERT_FALSE(layout.chunks.empty());
        EXPECT_EQ(layout.chunks.front(), "IHDR");
        for (size_t i = 1; i + 1 < layout.chunks.size(); ++i)
            EXPECT_EQ(layout.chunks[i], "IDAT");
        EXPECT_TRUE(layout.endsAtIend);

        CQorBitmap* bitmap = new CQorBitmap(image.number);
        EXPECT_TRUE(bitmap->isLoaded());
        EXPECT_EQ(bitmap->getWidth(), image.width);
        EXPECT_EQ(bitmap->getHeight(), image.height);
        bitmap->forget();
    }
}

TEST(ImageTable, KnobStripsDivideIntoSquareFrames)
{
    const struct
    {
        int32_t number;
        int32_t frames;
        int32_t size;
    } strips[] = {{15000, 193, 104}, {15002, 193, 104}, {15004, 97, 50}, {15006, 97, 50},
                  {15008, 97, 50},   {15010, 97, 50},   {15012, 97, 50}};
    for (const auto& s : strips)
    {
        CQorBitmap* bitmap = new CQorBitmap(s.number);
        EXPECT_EQ(bitmap->getWidth(), s.size) << s.number;
        EXPECT_EQ(bitmap->getHeight(), s.size * s.frames) << s.number;
        bitmap->forget();
    }
}

TEST(ImageTable, NumbersOutsideTheTableHaveNoBytes)
{
    const int32_t numbers[] = {12128, 0, -1, 15001, 15026, 19988, 20000, 99999, INT32_MIN, INT32_MAX};
    for (int32_t number : numbers)
    {
        size_t length = 1234;
        EXPECT_EQ(findImage(number, length), nullptr) << number;
        EXPECT_EQ(length, 0u) << number;
    }
}

TEST(CQorBitmapTest, NumberOutsideTheTableGivesAnEmpty400By350Bitmap)
{
    CQorBitmap* bitmap = new CQorBitmap(12128);
    EXPECT_TRUE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 400);
    EXPECT_EQ(bitmap->getHeight(), 350);
    EXPECT_TRUE(bitmap->isTypeOf("CQorBitmap"));
    EXPECT_TRUE(bitmap->isTypeOf("CBitmap"));
    bitmap->forget();

    // Empty means transparent: drawn over anything, it leaves it as it was.
    const RgbaImage pixels = decode(12128);
    ASSERT_EQ(pixels.width, 400);
    ASSERT_EQ(pixels.height, 350);
    for (size_t i = 3; i < pixels.pixels.size(); i += 4)
        ASSERT_EQ(pixels.pixels[i], 0) << "pixel " << i / 4;
}

// The knob strips must really turn: the pointer goes from 135 degrees left of straight up at the first frame to
// 135 degrees right at the last, evenly, so neighbouring frames differ only a little and the two ends a lot.
TEST(ImageTable, KnobStripsTurnThePointerFromEndToEndInSmallSteps)
{
    for (int32_t number : kKnobStrips)
    {
        SCOPED_TRACE(number);
        const RgbaImage strip = decode(number);
        ASSERT_GT(strip.width, 0);
        const int32_t frames = strip.height / strip.width;
        ASSERT_GT(frames, 2);

        const std::vector<double> angles = pointerAngles(strip);
        for (int32_t f = 0; f < frames; ++f)
        {
            const double expected = -135.0 + 270.0 * f / (frames - 1);
            EXPECT_NEAR(angles[f], expected, 8.0) << "frame " << f;
        }

        const double endToEnd = difference(frameChannels(strip, 0), frameChannels(strip, frames - 1));
        for (int32_t f = 0; f + 1 < frames; ++f)
        {
            const double step = difference(frameChannels(strip, f), frameChannels(strip, f + 1));
            EXPECT_GT(step, 0.0) << "frames " << f << " and " << f + 1 << " are the same";
            EXPECT_LT(step, endToEnd) << "frames " << f << " and " << f + 1;
        }
    }
}

// The meter repaints its face over the last needle without the panel behind it, so the faces must cover every
// pixel; the layer drawn after the needle must let the needle show along its whole swing.
TEST(ImageTable, MeterFacesAreOpaqueAndTheLayerOverTheNeedleIsClearAlongItsSwing)
{
    EXPECT_TRUE(everyPixelOpaque(decode(15020)));
    EXPECT_TRUE(everyPixelOpaque(decode(15022)));

    const RgbaImage layer = decode(15024);
    ASSERT_EQ(layer.width, 145);
    const double pivotX = 463 - 392 + 0.5, pivotY = 143 - 34 + 0.5;
    const double pi = std::acos(-1.0);
    for (double v = -0.1; v <= 1.1001; v += 0.1)
    {
        const double angle = 3.0 * pi / 4.0 - pi / 2.0 * v;
        for (double r = 20.0; r <= 76.0; r += 4.0)
        {
            const int32_t x = static_cast<int32_t>(pivotX + r * std::cos(angle));
            const int32_t y = static_cast<int32_t>(pivotY - r * std::sin(angle));
            EXPECT_LT(layer.getPixel(x, y).alpha, 128) << "value " << v << " radius " << r;
        }
    }
}

TEST(ImageTable, BackgroundAndAboutScreenAreOpaque)
{
    EXPECT_TRUE(everyPixelOpaque(decode(12102)));
    EXPECT_TRUE(everyPixelOpaque(decode(12200)));
}
