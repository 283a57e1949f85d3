// Parameters as a host sees them: names, units, display texts, clamping and properties.
#include "E2eSupport.h"

#include "effect/vst2/Opcodes.h"
#include "effect/vst2/Records.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using e2e::LoadedEffect;

struct ParameterRow
{
    int32_t index;
    const char* name;
    float value;
    const char* display;
};

// Factory program "Default", selected during construction.
constexpr ParameterRow kDefaultProgram[] = {
    {0, "Power", 1.0f, "In"},        {1, "Attack", 0.5f, "1.0"},      {2, "Release", 0.5f, "100"},
    {3, "-", 0.0f, " "},             {4, "ScHpfSt", 0.0f, "Off"},     {5, "ScHpf", 0.5f, "100"},
    {6, "Ratio", 0.5f, "4.0:1"},     {7, "-", 0.0f, " "},             {8, "Threshold", 0.625f, "-6.0"},
    {9, "Channel", 0.5f, "OO"},      {10, "Makeup", 0.375f, "6.0"},   {11, "Link", 1.0f, "Linked"},
    {12, "BlndSt", 0.0f, "Off"},     {13, "Blend", 0.75f, "75.0"},    {14, "-", 0.5f, " "},
    {15, "-", 0.5f, " "},
};

TEST_F(LoadedEffect, ConstructionSelectsTheDefaultProgram)
{
    EXPECT_EQ(effect.programName(), "Default");
    for (const ParameterRow& row : kDefaultProgram) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(effect.parameterName(row.index), row.name);
        EXPECT_EQ(effect.parameterLabel(row.index), "  ");
        EXPECT_EQ(effect.parameterDisplay(row.index), row.display);
        EXPECT_EQ(effect.getParameter(row.index), row.value);
    }
    EXPECT_EQ(effect.parameterName(16), "");
    EXPECT_EQ(effect.parameterDisplay(16), "");
}

TEST_F(LoadedEffect, TaggedDisplayFormatsTheGivenValueClamped)
{
    const ParameterRow cases[] = {
        {9, "", 0.25f, "OO"},     {9, "", 0.24f, "L"},       {9, "", 1.0f, "R"},
        {6, "", 1.0f, "16.0:1"},  {6, "", 0.0f, "1.0:1"},    {6, "", 1.5f, "16.0:1"},
        {8, "", 1.5f, "12.0"},    {8, "", -3.0f, "-36.0"},   {10, "", 0.0f, "-12.0"},
        {13, "", 0.4f, "40.0"},   {0, "", 0.49f, "Out"},     {0, "", 0.5f, "In"},
        {11, "", 0.2f, "Unlnkd"}, {12, "", 0.8f, "On"},      {1, "", 1.0f, "10.0"},
        {2, "", 0.0f, "10"},      {5, "", 1.0f, "1000"},     {3, "", 0.7f, " "},
        {16, "", 0.5f, ""},
    };
    for (const ParameterRow& row : cases)
        EXPECT_EQ(effect.parameterDisplayFor(row.index, row.value), row.display)
            << "index " << row.index << " value " << row.value;
    EXPECT_EQ(effect.parameterDisplay(8), "-6.0") << "a tagged request must not change the parameter";
}

TEST_F(LoadedEffect, SetParameterClampsInsteadOfRefusing)
{
    const struct
    {
        int32_t index;
        float value;
        float stored;
    } cases[] = {
        {8, 1.7f, 1.0f},
        {8, std::numeric_limits<float>::quiet_NaN(), 0.0f},
        {8, -0.5f, 0.0f},
        {13, 0.3f, 0.3f},
        {0, 0.3f, 0.3f},
    };
    for (const auto& c : cases) {
        effect.setParameter(c.index, c.value);
        EXPECT_EQ(effect.getParameter(c.index), c.stored) << "index " << c.index << " set to " << c.value;
    }
    EXPECT_EQ(effect.getParameter(16), 0.0f);
    EXPECT_EQ(effect.getParameter(17), 1.0f) << "the meter rests at no gain reduction";
}

TEST_F(LoadedEffect, ParameterPropertiesAndAutomation)
{
    const struct
    {
        int32_t index;
        intptr_t reply;
        int32_t flags;
        float step, smallStep, largeStep;
        const char* label;
        const char* shortLabel;
        intptr_t automatable;
    } cases[] = {
        {0, 1, 5, 0.5f, 0.5f, 0.5f, "Power", "Power", 1},
        {1, 1, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Attack", "Attack", 1},
        {3, 0, 0, 0, 0, 0, "", "", 0},
        {8, 1, 4, 1.0f / 48, 1.0f / 192, 1.0f / 48, "Threshold", "Thresho", 1},
        {9, 1, 4, 1.0f / 3, 1.0f / 6, 1.0f / 3, "Channel", "Channel", 1},
        {12, 1, 5, 0.5f, 0.5f, 0.5f, "BlndSt", "BlndSt", 1},
        {13, 1, 4, 1.0f / 16, 1.0f / 96, 1.0f / 24, "Blend", "Blend", 1},
        {14, 0, 0, 0, 0, 0, "", "", 0},
        {16, 0, 0, 0, 0, 0, "", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        ParameterProperties properties{};
        EXPECT_EQ(effect.dispatch(effGetParameterProperties, c.index, 0, &properties), c.reply);
        EXPECT_EQ(properties.flags, c.flags);
        EXPECT_FLOAT_EQ(properties.stepFloat, c.step);
        EXPECT_FLOAT_EQ(properties.smallStepFloat, c.smallStep);
        EXPECT_FLOAT_EQ(properties.largeStepFloat, c.largeStep);
        EXPECT_EQ(std::string(properties.label), c.label);
        EXPECT_EQ(std::string(properties.shortLabel, strnlen(properties.shortLabel, 8)), c.shortLabel);
        EXPECT_EQ(effect.dispatch(effCanBeAutomated, c.index), c.automatable);
    }
    EXPECT_EQ(effect.dispatch(effCanBeAutomated, 7), 0);
}

TEST_F(LoadedEffect, ProgramNamesByIndex)
{
    const std::vector<std::string> names = effect.programNames();
    ASSERT_EQ(names.size(), 48u);
    EXPECT_EQ(names[0], "Default");
    EXPECT_EQ(names[15], "Squeezer");
    EXPECT_EQ(names[17], "Magnetizer");
    for (size_t index = 18; index < names.size(); ++index)
        EXPECT_EQ(names[index], "Init") << index;
    EXPECT_FALSE(effect.programNameAt(48));
    EXPECT_FALSE(effect.programNameAt(-1));
}

}  // namespace
