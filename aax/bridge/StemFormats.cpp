#include "aax/bridge/StemFormats.h"

namespace {

struct Stem
{
    uint32_t code;
    int channels;
    const char* name;
};

const Stem kStems[] = {
    {0x00000001, 1, "M"},
    {0x00010002, 2, "L R"},
    {0x00020003, 3, "L C R"},
    {0x00030004, 4, "L C R S"},
    {0x00040004, 4, "L R Ls Rs"},
    {0x00050005, 5, "L C R Ls Rs"},
    {0x00060006, 6, "L C R Ls Rs LFE"},
    {0x00070006, 6, "L C R Ls Cs Rs"},
    {0x00080007, 7, "L C R Ls Cs Rs LFE"},
    {0x00090007, 7, "L Lc C Rc R Ls Rs"},
    {0x000A0008, 8, "L Lc C Rc R Ls Rs LFE"},
    {0x000B0007, 7, "L C R Lss Rss Lsr Rsr"},
    {0x000C0008, 8, "L C R Lss Rss Lsr Rsr LFE"},
};

// The code declared for each channel count 1..8.
const uint32_t kDeclared[] = {0x00000001, 0x00010002, 0x00020003, 0x00040004,
                              0x00050005, 0x00060006, 0x000B0007, 0x000C0008};

}  // namespace

int channelCountOfStem(uint32_t stem)
{
    for (const Stem& s : kStems)
        if (s.code == stem)
            return s.channels;
    return 0;
}

std::string stemName(uint32_t stem)
{
    for (const Stem& s : kStems)
        if (s.code == stem)
            return s.name;
    return "";
}

uint32_t stemOfChannelCount(int channels)
{
    return channels >= 1 && channels <= 8 ? kDeclared[channels - 1] : kStemNone;
}
