#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "aax/library/AAX_CBinary2TaperDelegate.h"
#include "aax/library/AAX_CBinaryDisplayDelegate.h"
#include "aax/library/AAX_CBinaryTaperDelegate.h"
#include "aax/library/AAX_CLinearTaperNoRounding.h"
#include "aax/library/AAX_CParameter.h"
#include "aax/library/AAX_CUnitDisplayDelegateDecorator.h"
#include "aax/library/AAX_CVSTDisplayDelegate.h"
#include "aax/library/tests/RecordingAutomation.h"

namespace {

using Lines = std::vector<std::string>;

// A cache row like the processor's: "v0" .. "v100", one text per hundredth.
struct TextRow
{
    VSTTextCell cells[kVSTTextCells];
    TextRow()
    {
        for (int d = 0; d < kVSTTextCells; ++d)
            std::snprintf(cells[d], kVSTTextCellBytes, "v%d", d);
    }
};

std::unique_ptr<AAX_CParameter<float>> floatParameter(const char* id, const VSTTextCell* row, const char* unit = "")
{
    return std::make_unique<AAX_CParameter<float>>(
        id, AAX_CString("Threshold"), 0.0f, AAX_CLinearTaperNoRounding<float, -1>(0.0f, 1.0f),
        AAX_CUnitDisplayDelegateDecorator<float>(unit, AAX_CVSTDisplayDelegate<float>(row)), true);
}

std::unique_ptr<AAX_CParameter<bool>> boolParameter(const AAX_ITaperDelegate<bool>& taper)
{
    return std::make_unique<AAX_CParameter<bool>>("MasterBypassID", AAX_CString("Master Bypass"), false, taper,
                                                  AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

}  // namespace

TEST(Tapers, BinaryTapersSplitTheNormalisedRangeAtZeroOrAtTheMiddle)
{
    struct Case
    {
        double normalised;
        bool binary;
        bool binary2;
    };
    const Case cases[] = {{0.0, false, false}, {0.01, true, false}, {0.5, true, false}, {0.51, true, true},
                          {1.0, true, true}};
    for (const Case& c : cases) {
        auto one = boolParameter(AAX_CBinaryTaperDelegate<bool>());
        auto two = boolParameter(AAX_CBinary2TaperDelegate<bool>());
        one->SetNormalizedValue(c.normalised);
        two->SetNormalizedValue(c.normalised);
        EXPECT_EQ(one->GetValue(), c.binary) << c.normalised;
        EXPECT_EQ(two->GetValue(), c.binary2) << c.normalised;
        EXPECT_EQ(one->GetNormalizedValue(), c.binary ? 1.0 : 0.0);
    }
}

TEST(Tapers, LinearTaperClampsBothWays)
{
    const AAX_CLinearTaperNoRounding<float, -1> taper(-10.0f, 30.0f);
    struct Case
    {
        double normalised;
        float real;
    };
    const Case toReal[] = {{0.0, -10.0f}, {0.25, 0.0f}, {1.0, 30.0f}, {-0.5, -10.0f}, {2.0, 30.0f}};
    for (const Case& c : toReal)
        EXPECT_EQ(taper.NormalizedToReal(c.normalised), c.real) << c.normalised;
    const Case toNormalised[] = {{0.25, 0.0f}, {0.0, -50.0f}, {1.0, 99.0f}, {0.75, 20.0f}};
    for (const Case& c : toNormalised)
        EXPECT_DOUBLE_EQ(taper.RealToNormalized(c.real), c.normalised) << c.real;
}

TEST(TypedParameter, StepValueRoundsToTheNearestStepWithinTheRange)
{
    TextRow row;
    auto p = floatParameter("8", row.cells);
    EXPECT_EQ(p->GetNumberOfSteps(), 128u) << "a continuous parameter's steps when none are set";
    p->SetNumberOfSteps(100);
    struct Case
    {
        double normalised;
        uint32_t step;
    };
    const Case cases[] = {{0.5, 50}, {0.0, 0}, {1.0, 99}, {0.004, 0}, {0.006, 1}};
    for (const Case& c : cases) {
        p->SetNormalizedValue(c.normalised);
        EXPECT_EQ(p->GetStepValue(), c.step) << c.normalised;
    }
    p->SetStepValue(99);
    EXPECT_EQ(p->GetNormalizedValue(), 1.0);
    p->SetStepValue(1000);
    EXPECT_EQ(p->GetNormalizedValue(), 1.0) << "clamped";
    p->SetNumberOfSteps(1);
    EXPECT_EQ(p->GetStepValue(), 0u);
    p->SetStepValue(0);
    EXPECT_EQ(p->GetNormalizedValue(), 1.0) << "fewer than two steps: nothing";
}

TEST(DisplayDelegates, VSTDisplayShowsTheNearestProbedText)
{
    TextRow row;
    const AAX_CVSTDisplayDelegate<float> display(row.cells);
    struct Case
    {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.0f, "v0"},   {1.0f, "v100"},  {-0.01f, ""},      {0.5f, "v50"},        {0.0051f, "v1"},
        {0.994f, "v99"}, {0.996f, "v100"}, {0.29f, "v29"},  {0.57f, "v57"},       {1.006f, ""},
        {-0.004f, "v0"}, {std::numeric_limits<float>::quiet_NaN(), ""}, {std::numeric_limits<float>::infinity(), ""},
    };
    for (const Case& c : cases) {
        AAX_CString text("stale");
        EXPECT_TRUE(display.ValueToString(c.value, &text));
        EXPECT_EQ(text.StdString(), c.text) << c.value;
        AAX_CString limited;
        EXPECT_TRUE(display.ValueToString(c.value, 1, &limited));
        EXPECT_EQ(limited.StdString(), c.text) << "the maximum length is not applied";
    }
}

TEST(DisplayDelegates, VSTDisplayTakesBackOnlyTextsTheEffectShows)
{
    TextRow row;
    std::strcpy(row.cells[40], "same");
    std::strcpy(row.cells[41], "same");
    std::memset(row.cells[7], 'x', kVSTTextCellBytes);  // no NUL in the cell: read no further than its 17 bytes
    const AAX_CVSTDisplayDelegate<float> display(row.cells);
    struct Case
    {
        const char* text;
        bool accepted;
        float value;
    };
    const Case cases[] = {{"v0", true, 0.0f},    {"v100", true, 1.0f}, {"v57", true, 0.57f},
                          {"same", true, 0.40f}, {"v", false, 0.0f},   {"", false, 0.0f},
                          {"v57 ", false, 0.0f}, {"xxxxxxxxxxxxxxxxx", true, 0.07f}};
    for (const Case& c : cases) {
        float value = -1.0f;
        EXPECT_EQ(display.StringToValue(AAX_CString(c.text), &value), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    // Every value a text shows converts back to a value that shows the same text.
    for (int d = 0; d < kVSTTextCells; ++d) {
        AAX_CString text, again;
        float value = -1.0f;
        display.ValueToString(d * 0.01f, &text);
        ASSERT_TRUE(display.StringToValue(text, &value)) << d;
        display.ValueToString(value, &again);
        EXPECT_EQ(text.StdString(), again.StdString());
    }
}

TEST(DisplayDelegates, UnitIsAppendedOnlyWhereItFitsAndTakenOffBeforeConverting)
{
    TextRow row;
    std::strcpy(row.cells[10], "1234567");
    std::strcpy(row.cells[20], "123456");
    const AAX_CUnitDisplayDelegateDecorator<float> display("  ", AAX_CVSTDisplayDelegate<float>(row.cells));
    struct Case
    {
        float value;
        int32_t maxLength;
        const char* text;
    };
    const Case cases[] = {{0.1f, 8, "1234567"}, {0.2f, 8, "123456  "}, {0.2f, 6, "123456"}, {0.3f, 0, "v30"}};
    for (const Case& c : cases) {
        AAX_CString text;
        display.ValueToString(c.value, c.maxLength, &text);
        EXPECT_EQ(text.StdString(), c.text) << c.value << " in " << c.maxLength;
    }
    AAX_CString plain;
    display.ValueToString(0.1f, &plain);
    EXPECT_EQ(plain.StdString(), "1234567  ");

    float value = -1.0f;
    EXPECT_TRUE(display.StringToValue(AAX_CString("v30  "), &value));
    EXPECT_EQ(value, 0.3f);
    EXPECT_TRUE(display.StringToValue(AAX_CString("v31"), &value));
    EXPECT_EQ(value, 0.31f);
    EXPECT_FALSE(display.StringToValue(AAX_CString("  "), &value)) << "the unit alone is not stripped";

    std::unique_ptr<AAX_IDisplayDelegate<float>> clone(display.Clone());
    AAX_CString cloned;
    clone->ValueToString(0.2f, &cloned);
    EXPECT_EQ(cloned.StdString(), "123456  ");
}

TEST(DisplayDelegates, BinaryDisplayConvertsExactlyItsTwoTexts)
{
    const AAX_CBinaryDisplayDelegate<bool> display("bypass", "on");
    AAX_CString text;
    display.ValueToString(true, &text);
    EXPECT_EQ(text.StdString(), "on");
    display.ValueToString(false, 2, &text);
    EXPECT_EQ(text.StdString(), "bypass");
    struct Case
    {
        const char* text;
        bool accepted;
        bool value;
    };
    const Case cases[] = {{"on", true, true}, {"bypass", true, false}, {"On", false, false}, {"", false, false}};
    for (const Case& c : cases) {
        bool value = true;
        EXPECT_EQ(display.StringToValue(AAX_CString(c.text), &value), c.accepted) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(DisplayDelegates, BinaryDisplayTakesTheLastAddedShortPairThatFitsElseTheFirst)
{
    AAX_CBinaryDisplayDelegate<bool> display("Bypassed", "Processing");
    display.AddShortenedStrings("Byp", "Proc");     // longer text 4
    display.AddShortenedStrings("Bypass", "Procs");  // longer text 6
    display.AddShortenedStrings("B", "P");          // longer text 1
    struct Case
    {
        int32_t maxLength;
        const char* falseText;
        const char* trueText;
    };
    const Case cases[] = {
        {10, "Bypassed", "Processing"},  // the full texts fit
        {40, "Bypassed", "Processing"},
        {9, "B", "P"},                   // the pair added last fits
        {1, "B", "P"},
        {0, "Byp", "Proc"},              // none fits: the first pair added
    };
    for (const Case& c : cases) {
        AAX_CString text;
        EXPECT_TRUE(display.ValueToString(false, c.maxLength, &text));
        EXPECT_EQ(text.StdString(), c.falseText) << c.maxLength;
        EXPECT_TRUE(display.ValueToString(true, c.maxLength, &text));
        EXPECT_EQ(text.StdString(), c.trueText) << c.maxLength;
    }
    // Searching from the last pair back: without the one-letter pair, the six-letter one fits 6 and the four-letter
    // one fits 5.
    AAX_CBinaryDisplayDelegate<bool> two("Bypassed", "Processing");
    two.AddShortenedStrings("Byp", "Proc");
    two.AddShortenedStrings("Bypass", "Procs");
    AAX_CString text;
    two.ValueToString(false, 6, &text);
    EXPECT_EQ(text.StdString(), "Bypass");
    two.ValueToString(true, 5, &text);
    EXPECT_EQ(text.StdString(), "Proc");
    // The plain conversion and a copy keep to the full texts and the pairs alike.
    two.ValueToString(true, &text);
    EXPECT_EQ(text.StdString(), "Processing");
    std::unique_ptr<AAX_IDisplayDelegate<bool>> clone(two.Clone());
    clone->ValueToString(false, 3, &text);
    EXPECT_EQ(text.StdString(), "Byp");
}

TEST(TypedParameter, TextConversionsGoThroughTaperAndDisplay)
{
    TextRow row;
    auto p = floatParameter("5", row.cells, "  ");
    AAX_CParamValue n = -1.0;
    EXPECT_TRUE(p->GetNormalizedValueFromString(AAX_CString("v25  "), &n));
    EXPECT_DOUBLE_EQ(n, double(0.25f));
    EXPECT_FALSE(p->GetNormalizedValueFromString(AAX_CString("loud"), &n));

    AAX_CString text;
    EXPECT_TRUE(p->GetStringFromNormalizedValue(0.75, text));
    EXPECT_EQ(text.StdString(), "v75  ");
    EXPECT_TRUE(p->GetStringFromNormalizedValue(0.75, 4, text));
    EXPECT_EQ(text.StdString(), "v75") << "no room for the unit";

    EXPECT_TRUE(p->SetValueFromString(AAX_CString("v60")));
    EXPECT_FLOAT_EQ(p->GetValue(), 0.6f);
    EXPECT_FALSE(p->SetValueFromString(AAX_CString("v600")));
    EXPECT_FLOAT_EQ(p->GetValue(), 0.6f);
    EXPECT_TRUE(p->GetValueString(2, &text));
    EXPECT_EQ(text.StdString(), "v60  ") << "the value text ignores the length";
}

TEST(TypedParameter, TypedReadsAndWritesSucceedOnlyForTheOwnType)
{
    TextRow row;
    auto f = floatParameter("1", row.cells);
    auto b = boolParameter(AAX_CBinaryTaperDelegate<bool>());
    bool vb = false;
    float vf = 0.0f;
    int32_t vi = 0;
    double vd = 0.0;
    AAX_CString vs;

    EXPECT_TRUE(f->SetValueWithFloat(0.25f));
    EXPECT_TRUE(f->GetValueAsFloat(&vf));
    EXPECT_EQ(vf, 0.25f);
    EXPECT_FALSE(f->GetValueAsBool(&vb) || f->GetValueAsInt32(&vi) || f->GetValueAsDouble(&vd) ||
                 f->GetValueAsString(&vs));
    EXPECT_FALSE(f->SetValueWithBool(true) || f->SetValueWithInt32(1) || f->SetValueWithDouble(1.0) ||
                 f->SetValueWithString(AAX_CString("1")));
    EXPECT_EQ(f->GetValue(), 0.25f);

    EXPECT_TRUE(b->SetValueWithBool(true));
    EXPECT_TRUE(b->GetValueAsBool(&vb));
    EXPECT_TRUE(vb);
    EXPECT_FALSE(b->GetValueAsFloat(&vf) || b->SetValueWithFloat(0.0f));
    EXPECT_TRUE(b->GetValue());
}

TEST(TypedParameter, IdentifierKeepsAtMost31Characters)
{
    TextRow row;
    const std::string forty(40, 'a');
    auto p = floatParameter(forty.c_str(), row.cells);
    EXPECT_EQ(std::string(p->Identifier()), forty.substr(0, 31));
}

TEST(TypedParameter, ShortenedNamePicksTheLongestThatFits)
{
    TextRow row;
    auto p = floatParameter("8", row.cells);
    p->SetName(AAX_CString("8: Threshold"));
    EXPECT_EQ(p->ShortenedName(4).StdString(), "8: Threshold") << "no shortened names: the full name";
    p->AddShortenedName(AAX_CString("Thrsh"));
    p->AddShortenedName(AAX_CString("Thr"));
    p->AddShortenedName(AAX_CString("Thd"));  // same length: replaces "Thr"
    struct Case
    {
        int32_t length;
        const char* name;
    };
    const Case cases[] = {{-1, "8: Threshold"}, {12, "8: Threshold"}, {11, "Thrsh"}, {5, "Thrsh"},
                          {4, "Thd"},           {3, "Thd"},          {2, "Thd"},   {0, "Thd"}};
    for (const Case& c : cases)
        EXPECT_EQ(p->ShortenedName(c.length).StdString(), c.name) << c.length;
    p->ClearShortenedNames();
    EXPECT_EQ(p->ShortenedName(3).StdString(), "8: Threshold");
}

TEST(TypedParameter, ValuesGoThroughTheHostWhenAnAutomationDelegateIsAttached)
{
    TextRow row;
    RecordingAutomation host;
    auto p = floatParameter("8", row.cells);
    p->SetAutomationDelegate(&host);
    EXPECT_EQ(host.calls, Lines{"register 8"});

    host.calls.clear();
    p->SetNormalizedValue(0.5);
    EXPECT_EQ(host.calls, (Lines{"touch 8", "set 8 0.5", "release 8"}));
    EXPECT_EQ(p->GetValue(), 0.0f) << "the value waits for the host's update";

    host.calls.clear();
    p->UpdateNormalizedValue(0.5);
    EXPECT_EQ(p->GetValue(), 0.5f);
    EXPECT_EQ(host.calls, Lines{"current 8 0.5"});
    host.calls.clear();
    p->UpdateNormalizedValue(0.5);
    EXPECT_TRUE(host.calls.empty()) << "an unchanged value is not reported again";

    p->Touch();
    p->Release();
    EXPECT_EQ(host.calls, (Lines{"touch 8", "release 8"}));

    RecordingAutomation other;
    host.calls.clear();
    p->SetAutomationDelegate(&other);
    EXPECT_EQ(host.calls, Lines{"unregister 8"});
    EXPECT_EQ(other.calls, Lines{"register 8"});
    other.calls.clear();
    p->SetDisplayDelegate(AAX_CVSTDisplayDelegate<float>(row.cells));
    EXPECT_EQ(other.calls, Lines{"current 8 0.5"});
    p->SetDisplayDelegate(AAX_CBinaryDisplayDelegate<bool>("a", "b"));  // another value type: ignored
    AAX_CString text;
    p->GetValueString(&text);
    EXPECT_EQ(text.StdString(), "v50");

    other.calls.clear();
    p.reset();
    EXPECT_EQ(other.calls, Lines{"unregister 8"}) << "destruction detaches";
}

TEST(TypedParameter, WithoutAutomationValuesApplyAtOnce)
{
    TextRow row;
    auto p = floatParameter("2", row.cells);
    p->SetNormalizedDefaultValue(0.3);
    EXPECT_EQ(p->GetValue(), 0.0f) << "the default alone does not move the value";
    EXPECT_FLOAT_EQ(float(p->GetNormalizedDefaultValue()), 0.3f);
    p->SetToDefaultValue();
    EXPECT_FLOAT_EQ(p->GetValue(), 0.3f);
    p->SetNormalizedValue(1.5);
    EXPECT_EQ(p->GetValue(), 1.0f);
}

TEST(TypedParameter, NewTaperKeepsTheValueOrItsNormalisedPosition)
{
    TextRow row;
    auto keep = floatParameter("1", row.cells);
    auto move = floatParameter("2", row.cells);
    keep->SetNormalizedValue(0.5);
    move->SetNormalizedValue(0.5);
    keep->SetTaperDelegate(AAX_CLinearTaperNoRounding<float, -1>(0.0f, 2.0f), true);
    move->SetTaperDelegate(AAX_CLinearTaperNoRounding<float, -1>(0.0f, 2.0f), false);
    EXPECT_EQ(keep->GetValue(), 0.5f);
    EXPECT_EQ(keep->GetNormalizedValue(), 0.25);
    EXPECT_EQ(move->GetValue(), 1.0f);
    EXPECT_EQ(move->GetNormalizedValue(), 0.5);
}
