// The toolbox's 16.16 fixed-point numbers as doubles and integers, converted by the host's toolbox library.
#include "hosts/rtas/KitControl.h"
#include "rtas/framework/FixedPoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int32_t kOne = 0x10000;

TEST(FixedPoint, ToDoubleAndBackGoThroughTheToolbox)
{
    struct Case
    {
        int32_t fixed;
        double value;
    };
    const Case cases[] = {
        {0, 0.0},
        {kOne, 1.0},
        {-kOne, -1.0},
        {kOne / 2, 0.5},
        {-kOne / 2 - kOne, -1.5},
        {1, 1.0 / 65536.0},
        {-1, -1.0 / 65536.0},
        {INT32_MAX, 32767.0 + 65535.0 / 65536.0},
        {INT32_MIN, -32768.0},
    };
    QorKitReset();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixed);
        EXPECT_DOUBLE_EQ(rtas::FixedToDouble(c.fixed), c.value);
        EXPECT_EQ(rtas::DoubleToFixed(c.value), c.fixed);
    }
    const int32_t count = int32_t(sizeof cases / sizeof cases[0]);
    EXPECT_EQ(QorKitCallCount("Fix2X"), count);
    EXPECT_EQ(QorKitCallCount("X2Fix"), count);
}

TEST(FixedPoint, DoublesAreRoundedToTheNearestStepAndKeptInRange)
{
    struct Case
    {
        double value;
        int32_t fixed;
    };
    const Case cases[] = {
        {0.4 / 65536.0, 0},
        {0.5 / 65536.0, 1},     // half a step goes up
        {-0.5 / 65536.0, 0},    // also for negatives: up is toward zero here
        {-0.6 / 65536.0, -1},
        {32768.0, INT32_MAX},   // past the top
        {1e12, INT32_MAX},
        {-32768.0, INT32_MIN},  // exactly the bottom
        {-1e12, INT32_MIN},
        {std::numeric_limits<double>::infinity(), INT32_MAX},
        {-std::numeric_limits<double>::infinity(), INT32_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(rtas::DoubleToFixed(c.value), c.fixed);
    }
}

TEST(FixedPoint, TheIntegerAddsAHalfAndTakesTheFloor)
{
    struct Case
    {
        int32_t fixed;
        int32_t integer;
    };
    const Case cases[] = {
        {0, 0},
        {kOne / 2 - 1, 0},              // just below one half
        {kOne / 2, 1},                  // one half goes up
        {2 * kOne + kOne / 2, 3},       // 2.5
        {-kOne / 2, 0},                 // -0.5 goes up, to zero
        {-kOne / 2 - 1, -1},            // just below -0.5
        {-2 * kOne - kOne / 2, -2},     // -2.5
        {-3 * kOne + 1, -3},            // -2.99998
        {INT32_MAX, 32768},             // 32767.99998
        {INT32_MIN, -32768},
    };
    QorKitReset();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixed);
        EXPECT_EQ(rtas::FixedToInteger(c.fixed), c.integer);
    }
    EXPECT_EQ(QorKitCallCount("Fix2X"), int32_t(sizeof cases / sizeof cases[0]));
}

}  // namespace
