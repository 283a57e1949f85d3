// The controls that stand for the effect's parameters: first values, step counts, automatability and the texts
// they show through "1EAD" requests.
#include "rtas/bridge/VstBoundControls.h"
#include "rtas/tests/bridge/WrapperFixture.h"

namespace {

using VstBoundControls = WrapperFixture;

TEST_F(VstBoundControls, StepCountIsTheRoundedInverseOfTheFloatStep)
{
    struct Case
    {
        int32_t flags;
        float stepFloat;
        int32_t steps;
    };
    const Case cases[] = {
        {kParameterUsesFloatStep, 0.25f, 4},       {kParameterUsesFloatStep, 1.0f / 3.0f, 3},
        {kParameterUsesFloatStep, 1.0f / 48.0f, 48}, {kParameterUsesFloatStep, 0.0f, 1000},
        {kParameterUsesFloatStep, -0.5f, 1000},    {0, 0.25f, 1000},
    };
    for (const Case& c : cases) {
        RecordingEffectConfig config;
        config.propertiesFlags = c.flags;
        config.stepFloat = c.stepFloat;
        CPluginControl_ContinuousVST control(3, "1: P1\nP1\nP1\n", &load(config));
        EXPECT_EQ(control.GetNumSteps(), c.steps) << "step " << c.stepFloat << ", flags " << c.flags;
    }
}

TEST_F(VstBoundControls, ContinuousControlStartsAtTheEffectsValueAndShowsItsText)
{
    CPluginWrapper& w = load();
    w.SetParameter(1, 0.75f);
    CPluginControl_ContinuousVST control(3, "1: P1\nP1\nP1\n", &w);
    EXPECT_EQ(control.GetValue(), rtas::DoubleToControlValue(0.75, 0.0, 1.0));
    EXPECT_EQ(control.GetDefaultValue(), control.GetValue());
    EXPECT_EQ(control.GetValueString(31, rtas::DoubleToControlValue(0.5, 0.0, 1.0)), "0.500 dB");
    EXPECT_EQ(control.GetValueString(4, rtas::DoubleToControlValue(0.5, 0.0, 1.0)), "0.50");
    EXPECT_EQ(w.GetParameter(1), 0.75f) << "showing a value does not set it";
}

TEST_F(VstBoundControls, DiscreteControlShowsTheMiddleOfEachStep)
{
    RecordingEffectConfig config;
    config.propertiesFlags = kParameterUsesIntegerMinMax;
    config.minInteger = 0;
    config.maxInteger = 2;
    CPluginWrapper& w = load(config);
    CPluginControl_DiscreteVST control(2, "0: P0\nP0\nP0\n", &w, 0, 2);
    ASSERT_EQ(control.GetNumSteps(), 3);
    const char* expected[] = {"0.167 dB", "0.500 dB", "0.833 dB"};
    for (int32_t k = 0; k < 3; ++k)
        EXPECT_EQ(control.GetValueString(31, rtas::IntegerToControlValue(k, 0, 2)), expected[k]) << k;
}

TEST_F(VstBoundControls, DiscreteControlStartsOnTheStepOfTheEffectsValue)
{
    struct Case
    {
        float value;
        int32_t step;
    };
    for (const Case c : {Case{0.0f, 0}, Case{0.34f, 1}, Case{0.7f, 2}, Case{1.0f, 2}}) {
        CPluginWrapper& w = load();
        w.SetParameter(0, c.value);
        CPluginControl_DiscreteVST control(2, "0: P0\n", &w, 0, 2);
        EXPECT_EQ(rtas::ControlValueToInteger(control.GetValue(), 0, 2), c.step) << c.value;
    }
}

TEST_F(VstBoundControls, AutomatabilityComesFromTheEffect)
{
    RecordingEffectConfig config;
    config.firstNotAutomatable = 1;
    CPluginWrapper& w = load(config);
    EXPECT_TRUE(CPluginControl_ContinuousVST(2, "0: P0\n", &w).IsAutomatable());
    EXPECT_FALSE(CPluginControl_ContinuousVST(3, "1: P1\n", &w).IsAutomatable());
    EXPECT_TRUE(CPluginControl_DiscreteVST(2, "0: P0\n", &w, 0, 2).IsAutomatable());
    EXPECT_FALSE(CPluginControl_DiscreteVST(3, "1: P1\n", &w, 0, 2).IsAutomatable());
}

// Long texts from the effect are cut to the display's 35 and the label's 15 characters, never written past a buffer.
TEST_F(VstBoundControls, LongTextsAreCutNotOverflowed)
{
    RecordingEffectConfig config;
    config.displayLength = 120;
    config.labelLength = 60;
    CPluginControl_ContinuousVST control(2, "0: P0\n", &load(config));
    const std::string text = control.GetValueString(255, 0);
    EXPECT_EQ(text, std::string(35, 'D') + " " + std::string(15, 'L'));
    EXPECT_EQ(control.GetValueString(10, 0), std::string(10, 'D'));
}

TEST_F(VstBoundControls, WithoutAWrapperNothingIsShown)
{
    CPluginControl_ContinuousVST continuous(2, "0: P0\n", nullptr);
    CPluginControl_DiscreteVST discrete(3, "1: P1\n", nullptr, 0, 2);
    EXPECT_EQ(continuous.GetValueString(31, 0), "");
    EXPECT_EQ(discrete.GetValueString(31, 0), "");
    EXPECT_EQ(continuous.GetNumSteps(), 1000);
}

}  // namespace
