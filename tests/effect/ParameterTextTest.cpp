#include <gtest/gtest.h>

#include <string>

#include "effect/ParameterText.h"
#include "tests/effect/EffectFixture.h"

namespace {
std::string number(double x, int decimals)
{
    char text[64];
    formatNumber(x, decimals, text, sizeof text);
    return text;
}
}  // namespace

TEST(NumberText, RoundsByTheLastKeptDecimalThenCuts)
{
    const struct
    {
        double x;
        int decimals;
        const char* text;
    } cases[] = {
        {1.26, 1, "1.3"},  {1.24, 1, "1.2"},   {99.96, 0, "100"},    {-0.04, 1, "-0.0"}, {-0.06, 1, "-0.1"},
        {0.0, 1, "0.0"},   {0.5, 0, "1"},      {-36.0, 1, "-36.0"},  {16.0, 1, "16.0"},  {1000.0, 0, "1000"},
        {0.1, 1, "0.1"},   {3.9999, 1, "4.0"}, {0.7f, 1, "0.7"},     {12.345, 2, "12.35"}, {-5.25, 1, "-5.3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number(c.x, c.decimals), c.text) << c.x << " with " << c.decimals;
}

class DisplayTest : public EffectFixture
{
};

TEST_F(DisplayTest, TextsOfTaggedValues)
{
    const struct
    {
        int32_t index;
        float v;
        const char* text;
    } cases[] = {
        {0, 0.49f, "Out"},   {0, 0.5f, "In"},       {1, 0.0f, "0.1"},      {1, 1.0f, "10.0"},   {1, 0.5f, "1.0"},
        {2, 0.0f, "10"},     {2, 1.0f, "1000"},     {2, 0.5f, "100"},      {3, 0.7f, " "},      {4, 0.6f, "On"},
        {5, 0.5f, "100"},    {6, 1.0f, "16.0:1"},   {6, 0.0f, "1.0:1"},    {6, 0.5f, "4.0:1"},  {7, 0.1f, " "},
        {8, 0.0f, "-36.0"},  {8, 1.0f, "12.0"},     {9, 0.25f, "OO"},      {9, 0.24f, "L"},     {9, 1.0f, "R"},
        {9, 0.75f, "R"},     {10, 0.0f, "-12.0"},   {10, 0.375f, "6.0"},   {11, 0.2f, "Unlnkd"},
        {11, 1.0f, "Linked"}, {12, 1.0f, "On"},     {13, 0.75f, "75.0"},   {13, 0.0f, "0.0"},   {14, 0.5f, " "},
        {15, 0.5f, " "},     {16, 0.5f, ""},        {6, 1.5f, "16.0:1"},   {8, -3.0f, "-36.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayOf(c.index, c.v), c.text) << "index " << c.index << " value " << c.v;
}

TEST_F(DisplayTest, UntaggedBufferShowsTheCurrentValue)
{
    set(13, 0.5f);
    EXPECT_EQ(display(13), "50.0");
    set(1, 0.0f);
    EXPECT_EQ(display(1), "0.1");
}

TEST_F(DisplayTest, NamesAndLabels)
{
    const char* names[] = {"Power", "Attack", "Release", "-", "ScHpfSt", "ScHpf", "Ratio", "-",
                           "Threshold", "Channel", "Makeup", "Link", "BlndSt", "Blend", "-", "-"};
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(text(8, i), names[i]) << i;
        EXPECT_EQ(text(6, i), "  ") << i;
    }
    EXPECT_EQ(text(8, 16), "");
}
