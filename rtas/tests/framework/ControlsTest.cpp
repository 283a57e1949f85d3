// Control values over a control's range, and the controls' texts, names and steps.
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CPluginControl.h"
#include "rtas/framework/host/HostCall.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ControlValueMapping, DoublesOverARange)
{
    struct Case
    {
        double x, minimum, maximum;
        int32_t value;
    };
    const Case cases[] = {
        {0.5, 0, 1, 0},  // floor(2147483647.5 - 2147483648 + 0.5)
        {0, 0, 1, INT32_MIN},       {1, 0, 1, INT32_MAX},   {2, 0, 1, INT32_MAX},   {-1, 0, 1, INT32_MIN},
        {10, 10, 0, INT32_MIN},     {0, 10, 0, INT32_MAX},  // a range given the other way round
        {-60, -60, 6, INT32_MIN},   {6, -60, 6, INT32_MAX}, {NAN, 0, 1, INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtas::DoubleToControlValue(c.x, c.minimum, c.maximum), c.value) << c.x;
    EXPECT_DOUBLE_EQ(rtas::ControlValueToDouble(INT32_MIN, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(rtas::ControlValueToDouble(INT32_MAX, 0, 1), 1.0);
    EXPECT_DOUBLE_EQ(rtas::ControlValueToDouble(INT32_MAX, -60, 6), 6.0);
    for (double x : {0.1, 0.25, 0.77, 0.999})
        EXPECT_NEAR(rtas::ControlValueToDouble(rtas::DoubleToControlValue(x, 0, 1), 0, 1), x, 1e-9);
    // An empty range cannot divide by zero.
    EXPECT_EQ(rtas::DoubleToControlValue(3, 3, 3), INT32_MIN);
}

TEST(ControlValueMapping, IntegersOverARange)
{
    for (int32_t i = 0; i <= 9; ++i) {
        const int32_t value = rtas::IntegerToControlValue(i, 0, 9);
        EXPECT_EQ(rtas::ControlValueToInteger(value, 0, 9), i);
    }
    EXPECT_EQ(rtas::IntegerToControlValue(0, 0, 1), INT32_MIN);
    EXPECT_EQ(rtas::IntegerToControlValue(1, 0, 1), INT32_MAX);
    EXPECT_EQ(rtas::IntegerToControlValue(5, 0, 1), INT32_MAX);
    EXPECT_EQ(rtas::IntegerToControlValue(-5, 0, 1), INT32_MIN);
    EXPECT_EQ(rtas::IntegerToControlValue(4, 4, 4), INT32_MIN);
}

TEST(ControlValueMapping, LogarithmicPiecewiseAndSteps)
{
    EXPECT_NEAR(rtas::ControlValueToDoubleLog(rtas::DoubleToControlValueLog(1000, 20, 20000), 20, 20000), 1000, 1e-6);
    EXPECT_EQ(rtas::DoubleToControlValueLog(20, 20, 20000), INT32_MIN);
    EXPECT_EQ(rtas::DoubleToControlValueLog(1e9, 20, 20000), INT32_MAX);
    const double breakpoints[] = {0, 10, 100};
    const double weights[] = {0.5, 0.5};
    EXPECT_EQ(rtas::DoubleToControlValuePiecewise(10, breakpoints, weights, 2), 2147483647 - 2147483647);
    EXPECT_EQ(rtas::DoubleToControlValuePiecewise(100, breakpoints, weights, 2), INT32_MAX);
    EXPECT_NEAR(rtas::ControlValueToDoublePiecewise(rtas::DoubleToControlValuePiecewise(55, breakpoints, weights, 2),
                                                    breakpoints, weights, 2),
                55, 1e-6);
    const double ranges[] = {0, 10, 100};
    const double steps[] = {0.5, 5};
    EXPECT_DOUBLE_EQ(rtas::RoundToStep(3.3, ranges, steps, 2), 3.5);
    EXPECT_DOUBLE_EQ(rtas::RoundToStep(42, ranges, steps, 2), 40);
    EXPECT_DOUBLE_EQ(rtas::RoundToStep(1000, ranges, steps, 2), 1000);
}

TEST(ContinuousControl, TextsDropDecimalsUntilTheyFit)
{
    CPluginControl_Continuous control(HostFourCC("Thrs"), "Threshold\nThrsh\nTh", 0, 100, 50, true);
    control.SetDecimalDigits(2);
    const int32_t value = control.GetValueFromDouble(12.345);
    struct Case
    {
        int32_t length;
        const char* text;
    };
    const Case cases[] = {{10, "12.35"}, {5, "12.35"}, {4, "12.3"}, {2, "12"}, {1, "*"}, {0, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(control.GetValueString(c.length, value), c.text) << c.length;
    EXPECT_EQ(control.GetNameOfLength(5), "Thrsh");
    EXPECT_TRUE(control.IsContinuous());
    EXPECT_EQ(control.GetNumSteps(), 0);
    EXPECT_NEAR(control.GetDoubleFromValue(control.GetDefaultValue()), 50, 1e-6);
}

TEST(ContinuousControl, UnitsAndPrefixes)
{
    CPluginControl_Continuous control(HostFourCC("Freq"), "Frequency", 20, 20000, 1000, true, &kStandardControlPrefixes);
    control.SetUnit("Hz");
    control.SetDecimalDigits(1);
    struct Case
    {
        double x;
        int32_t length;
        const char* text;
    };
    const Case cases[] = {
        {1500, 31, "1.5 kHz"}, {1500, 6, "1.5kHz"}, {1500, 4, "1.5k"}, {150, 31, "150.0 Hz"}, {150, 7, "150.0Hz"},
        {150, 5, "150.0"},  // the number keeps its decimals while it fits; the unit goes first
        {999, 31, "999.0 Hz"},
        {15000, 2, "*k"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(control.GetValueString(c.length, control.GetValueFromDouble(c.x)), c.text) << c.x << " " << c.length;
    EXPECT_NEAR(control.GetDoubleFromValue(control.GetValueFromText("2.5 kHz")), 2500, 1e-3);
    EXPECT_NEAR(control.GetDoubleFromValue(control.GetValueFromText("440")), 440, 1e-3);
    EXPECT_NEAR(control.GetDoubleFromValue(control.GetValueFromText("440 Hz")), 440, 1e-3);
    EXPECT_NEAR(control.GetDoubleFromValue(control.GetValueFromText("2", "k")), 2000, 1e-3);
    for (const char* bad : {"", "abc", "2 kHz extra", "2 qHz"})
        EXPECT_THROW(control.GetValueFromText(bad), CDAEError) << bad;
    for (int32_t c : {int32_t('0'), int32_t('9'), int32_t('.'), int32_t('-'), int32_t('+'), int32_t('k'),
                      int32_t('H'), int32_t('z'), int32_t('M'), 8, 28, 29})
        EXPECT_TRUE(control.IsValidCharacter(c)) << c;
    for (int32_t c : {int32_t('x'), int32_t(' '), int32_t(','), 0})
        EXPECT_FALSE(control.IsValidCharacter(c)) << c;
}

TEST(ContinuousControl, ATinyNegativeShowsAsZero)
{
    CPluginControl_Continuous control(HostFourCC("Bal "), "Balance", -1, 1, 0, true);
    control.SetDecimalDigits(1);
    EXPECT_EQ(control.GetValueString(31, control.GetValueFromDouble(-0.01)), "0.0");
    CPluginControl_Continuous plain(HostFourCC("Gain"), "Gain", 0, 10, 0, true);
    EXPECT_THROW(plain.GetValueFromText("3 dB"), CDAEError);
}

TEST(DiscreteControl, StepsTextsAndDefault)
{
    CPluginControl_Discrete control(HostFourCC("Mode"), "Mode", 0, 9, 4, true);
    EXPECT_EQ(control.GetNumSteps(), 10);
    EXPECT_EQ(rtas::ControlValueToInteger(control.GetDefaultValue(), 0, 9), 4);
    EXPECT_EQ(control.GetValueString(31, rtas::IntegerToControlValue(7, 0, 9)), "7");
    CPluginControl_Discrete wide(HostFourCC("Wide"), "Wide", 0, 1000, 0, true);
    EXPECT_EQ(wide.GetValueString(3, rtas::IntegerToControlValue(1000, 0, 1000)), "*");
    EXPECT_EQ(rtas::ControlValueToInteger(control.GetValueFromText("6 steps"), 0, 9), 6);
    EXPECT_EQ(rtas::ControlValueToInteger(control.GetValueFromText("99999999999"), 0, 9), 9);
    EXPECT_THROW(control.GetValueFromText("x"), CDAEError);
    EXPECT_FALSE(control.IsContinuous());
    EXPECT_TRUE(control.IsValidCharacter(':'));
    EXPECT_FALSE(control.IsValidCharacter('O'));
}

TEST(OnOffControl, TextsAndParsing)
{
    CPluginControl_OnOff control(HostFourCC("Byps"), "Master Bypass", false, true);
    const int32_t on = rtas::IntegerToControlValue(1, 0, 1);
    const int32_t off = rtas::IntegerToControlValue(0, 0, 1);
    EXPECT_EQ(control.GetValueString(31, on), "On");
    EXPECT_EQ(control.GetValueString(31, off), "Off");
    EXPECT_EQ(control.GetValueString(1, on), "1");
    EXPECT_EQ(control.GetValueString(1, off), "0");
    EXPECT_EQ(control.GetValueString(2, off), "Of");
    for (const char* text : {"on", "ON", "On"})
        EXPECT_EQ(control.GetValueFromText(text), on) << text;
    for (const char* text : {"off", "yes", "", "onn"})
        EXPECT_EQ(control.GetValueFromText(text), off) << text;
    EXPECT_EQ(control.GetNumSteps(), 2);
    EXPECT_TRUE(control.IsValidCharacter('n'));
    CPluginControl_OnOff named(HostFourCC("Lnk "), "Link", true, true, "Linked", "Free");
    EXPECT_EQ(named.GetValueString(31, on), "Linked");
    EXPECT_EQ(named.GetValueFromText("LINKED"), on);
    CPluginControl_OnOff half(HostFourCC("Half"), "Half", true, true, "Only on", nullptr);
    EXPECT_EQ(half.GetValueString(31, on), "On");
}

}  // namespace
