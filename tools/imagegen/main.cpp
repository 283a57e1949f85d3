// Paints the editor's 29 images and writes them as PNG files named by their numbers.
// Usage: qor_imagegen <output folder>
#include <cstdio>
#include <functional>
#include <string>

#include "Art.h"
#include "PngFile.h"
#include "Surface.h"

namespace {
struct Image
{
    int number;
    int width;
    int height;
    std::function<void(Surface&)> paint;
};

const Image kImages[] = {
    {989, 12, 45, [](Surface& s) { paintStripButton(s, StripGlyph::Manual); }},
    {12102, 811, 286, paintBackground},
    {12200, 811, 286, paintAbout},
    {15000, 104, 20072, paintLargeKnob},
    {15002, 104, 20072, paintLargeKnob},
    {15004, 50, 4850, paintSmallKnob},
    {15006, 50, 4850, paintSmallKnob},
    {15008, 50, 4850, paintSmallKnob},
    {15010, 50, 4850, paintSmallKnob},
    {15012, 50, 4850, paintSmallKnob},
    {15014, 57, 214, paintPowerSwitch},
    {15016, 73, 198, paintChannelSwitch},
    {15018, 62, 161, paintLinkButton},
    {15020, 145, 145, [](Surface& s) { paintMeterFace(s, false); }},
    {15022, 145, 145, [](Surface& s) { paintMeterFace(s, true); }},
    {15024, 145, 145, paintMeterGlass},
    {15030, 67, 48, paintBlendButton},
    {15032, 55, 48, paintScHpfButton},
    {19989, 42, 45, [](Surface& s) { paintTextButton(s, "PRESET"); }},
    {19990, 36, 45, [](Surface& s) { paintTextButton(s, "BANK"); }},
    {19991, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::MemoryRecall); }},
    {19992, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::MemoryRecall); }},
    {19993, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::FileLoad); }},
    {19994, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::FileSave); }},
    {19995, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::MemoryStore); }},
    {19996, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::MemoryStore); }},
    {19997, 31, 70, paintRocker},
    {19998, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::FileLoad); }},
    {19999, 12, 42, [](Surface& s) { paintStripButton(s, StripGlyph::FileSave); }},
};
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <output folder> [number...]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (const Image& image : kImages)
    {
        // Optional numbers after the folder restrict the run to those images (handy while drawing).
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || std::stoi(argv[i]) == image.number;
        if (!wanted)
            continue;
        Surface surface(image.width, image.height);
        image.paint(surface);
        const std::string path = folder + "/" + std::to_string(image.number) + ".png";
        const size_t bytes = writePng(surface, path);
        if (bytes == 0)
        {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%6d  %3d x %5d  %8zu bytes\n", image.number, image.width, image.height, bytes);
    }
    return failures == 0 ? 0 : 1;
}
