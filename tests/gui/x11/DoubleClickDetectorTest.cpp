// Double-clicks from X11 presses: same button, soon, near.
#include <gtest/gtest.h>

#include <vector>

#include "gui/x11/DoubleClickDetector.h"

namespace
{

struct Press
{
    uint32_t button;
    uint32_t time;
    int32_t x;
    int32_t y;
    bool isDouble;
};

struct Sequence
{
    const char* name;
    std::vector<Press> presses;
};

TEST(DoubleClickDetector, SequencesOfPresses)
{
    const Sequence sequences[] = {
        {"a second press soon and near", {{1, 1000, 10, 10, false}, {1, 1250, 12, 9, true}}},
        {"exactly at the limits", {{1, 1000, 10, 10, false}, {1, 1400, 14, 6, true}}},
        {"too late", {{1, 1000, 10, 10, false}, {1, 1401, 10, 10, false}}},
        {"too far", {{1, 1000, 10, 10, false}, {1, 1100, 15, 10, false}}},
        {"another button", {{1, 1000, 10, 10, false}, {3, 1100, 10, 10, false}}},
        {"a third press starts over",
         {{1, 1000, 10, 10, false}, {1, 1100, 10, 10, true}, {1, 1200, 10, 10, false}, {1, 1300, 10, 10, true}}},
        {"a late press can begin the next double-click",
         {{1, 1000, 10, 10, false}, {1, 2000, 50, 50, false}, {1, 2100, 50, 50, true}}},
        {"across the wrap of the server clock", {{1, 0xFFFFFF00u, 10, 10, false}, {1, 0x00000050u, 10, 10, true}}},
        {"a clock that went back is no double-click", {{1, 5000, 10, 10, false}, {1, 4900, 10, 10, false}}},
    };
    for (const Sequence& sequence : sequences)
    {
        SCOPED_TRACE(sequence.name);
        DoubleClickDetector detector;
        for (size_t i = 0; i < sequence.presses.size(); ++i)
        {
            const Press& p = sequence.presses[i];
            EXPECT_EQ(detector.press(p.button, p.time, p.x, p.y), p.isDouble) << "press " << i;
        }
    }
}

TEST(DoubleClickDetector, ResetForgetsThePreviousPress)
{
    DoubleClickDetector detector;
    detector.press(1, 1000, 10, 10);
    detector.reset();
    EXPECT_FALSE(detector.press(1, 1100, 10, 10));
    EXPECT_TRUE(detector.press(1, 1200, 10, 10));
}

} // namespace
