// The library's small services: levels, name variants, stem channel counts, length-prefixed strings, number texts,
// the pointer map and the host lock service look-up.
#include "hosts/rtas/KitControl.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CVoidPtrMap.h"
#include "rtas/framework/HostLockService.h"
#include "rtas/framework/LevelConversion.h"
#include "rtas/framework/NameVariants.h"
#include "rtas/framework/NumberText.h"
#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/StemFormats.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Text(const unsigned char* pascal) { return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]); }

void SetText(unsigned char* destination, const std::string& text)
{
    rtas::SetPascalString(255, text.c_str(), destination);
}

TEST(Levels, AmplitudeToDecibelsStopsAtTheSilenceFloor)
{
    EXPECT_DOUBLE_EQ(rtas::AmpToDecibels(0.0), -144.0);
    EXPECT_DOUBLE_EQ(rtas::AmpToDecibels(1e-9), -144.0);  // -180 lies below the floor
    EXPECT_DOUBLE_EQ(rtas::AmpToDecibels(1.0), 0.0);
    EXPECT_NEAR(rtas::AmpToDecibels(0.5), -6.0206, 1e-4);
    EXPECT_DOUBLE_EQ(rtas::AmpToDecibels(-1.0), -144.0);
    const double x = 10.0;
    EXPECT_DOUBLE_EQ(rtas::AmpToDecibels(&x), 20.0);
    EXPECT_NEAR(rtas::DecibelsToAmp(-6.0206), 0.5, 1e-5);
    const double decibels = 20.0;
    EXPECT_DOUBLE_EQ(rtas::DecibelsToAmp(&decibels), 10.0);
}

TEST(NameVariants, TheFirstVariantThatFitsOrTheLastOneCut)
{
    struct Case
    {
        const char* names;
        int32_t length;
        const char* expected;
    };
    const Case cases[] = {
        {"Threshold\nThrsh\nTh", 9, "Threshold"}, {"Threshold\nThrsh\nTh", 5, "Thrsh"},
        {"Threshold\nThrsh\nTh", 4, "Th"},        {"Threshold\nThrsh\nTh", 1, "T"},
        {"Threshold\nThrsh\nTh", 0, ""},          {"Single", 3, "Sin"},
        {"", 5, ""},                              {"A\n\nB", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names);
        char out[64];
        rtas::PickNameForLength(out, c.names, c.length);
        EXPECT_STREQ(out, c.expected) << c.length;
    }
    char out[8] = "x";
    rtas::PickNameForLength(out, nullptr, 5);
    EXPECT_STREQ(out, "");
}

TEST(StemFormats, ChannelCountsAndUnknownCodes)
{
    const int32_t expected[] = {1, 2, 3, 4, 4, 5, 6, 6, 7, 7, 8};
    for (int32_t code = 0; code <= 10; ++code)
        EXPECT_EQ(rtas::ChannelCountForStemFormat(code), expected[code]) << code;
    for (int32_t code : {11, -1, 1000}) {
        try {
            rtas::ChannelCountForStemFormat(code);
            ADD_FAILURE() << code;
        } catch (const CDAEError& error) {
            EXPECT_EQ(error.GetCode(), -7401);
        }
    }
}

TEST(PascalStrings, CopiesAreCutToTheirCapacity)
{
    unsigned char source[256];
    unsigned char copy[256];
    SetText(source, std::string(40, 'a'));
    rtas::CopyPascalString31(source, copy);
    EXPECT_EQ(copy[0], 31);
    EXPECT_EQ(Text(copy), std::string(31, 'a'));
    rtas::CopyPascalString63(source, copy);
    EXPECT_EQ(copy[0], 40);
    SetText(source, std::string(255, 'b'));
    rtas::CopyPascalString(source, copy);
    EXPECT_EQ(Text(copy), std::string(255, 'b'));
}

TEST(PascalStrings, AppendingStopsAtTheCapacity)
{
    unsigned char destination[256];
    unsigned char piece[256];
    SetText(destination, "Gain");
    SetText(piece, " Left");
    unsigned char* end = rtas::AppendPascalString(7, piece, destination);
    EXPECT_EQ(Text(destination), "Gain Le");
    EXPECT_EQ(end, destination + 8);
    // Already full: nothing more.
    end = rtas::AppendPascalString(7, piece, destination);
    EXPECT_EQ(Text(destination), "Gain Le");
    EXPECT_EQ(end, destination + 8);
    // A destination longer than the capacity is left alone.
    end = rtas::AppendPascalString(3, piece, destination);
    EXPECT_EQ(Text(destination), "Gain Le");
}

TEST(PascalStrings, Equality)
{
    unsigned char a[256];
    unsigned char b[256];
    SetText(a, "abc");
    SetText(b, "abc");
    EXPECT_TRUE(rtas::EqualPascalStrings(a, b));
    SetText(b, "abd");
    EXPECT_FALSE(rtas::EqualPascalStrings(a, b));
    SetText(b, "ab");
    EXPECT_FALSE(rtas::EqualPascalStrings(a, b));
    EXPECT_TRUE(rtas::EqualPascalStrings(nullptr, nullptr));
    EXPECT_FALSE(rtas::EqualPascalStrings(a, nullptr));
    EXPECT_FALSE(rtas::EqualPascalStrings(nullptr, a));
}

TEST(NumberText, PaddedNumbersAndFixedDecimals)
{
    struct Padded
    {
        int32_t value, width;
        const char* expected;
    };
    const Padded padded[] = {{7, 3, "007"}, {7, 0, "7"}, {1234, 2, "1234"}, {-5, 3, "0-5"}};
    for (const Padded& p : padded) {
        unsigned char text[256] = {0};
        rtas::AppendZeroPaddedNumber(p.value, text, p.width);
        EXPECT_EQ(Text(text), p.expected) << p.value;
    }
    struct Fixed
    {
        double value;
        const char* expected;
    };
    const Fixed fixed[] = {{-2.5, "-2.500"}, {0.0625, "0.062"}, {12.0, "12.000"}, {0.9999, "0.999"}};
    for (const Fixed& f : fixed) {
        unsigned char text[256] = {0};
        SetText(text, "v=");
        rtas::AppendFixed3(&f.value, text);
        EXPECT_EQ(Text(text), std::string("v=") + f.expected) << f.value;
    }
    unsigned char text[256] = {0};
    const double value = 1.25;
    rtas::AppendFixedDecimals(&value, text, 1);
    EXPECT_EQ(Text(text), "1.2");
    // Integer parts beyond the 32-bit range are saturated rather than undefined.
    const double huge = 1e20;
    unsigned char big[256] = {0};
    rtas::AppendFixed3(&huge, big);
    EXPECT_EQ(Text(big), "2147483647.000");
}

TEST(NumberText, RoundedDecimalsCarryIntoTheIntegerAndSignOnlyWhatIsNotZero)
{
    struct Two
    {
        double value;
        const char* expected;
    };
    const Two two[] = {{2.996, "3.00"}, {12.3449, "12.34"}, {-0.5, "-0.50"}, {0.0, "0.00"}, {-0.001, "-0.00"}};
    for (const Two& t : two) {
        unsigned char text[256] = {0};
        rtas::AppendTwoDecimals(t.value, text);
        EXPECT_EQ(Text(text), t.expected) << t.value;
    }
    struct Decimals
    {
        double value;
        int32_t count;
        bool dropZeroInteger;
        const char* expected;
    };
    const Decimals decimals[] = {
        {2.5, 1, false, "2.5"},    {0.96, 1, false, "1.0"},  // the rounded fraction carries
        {-1.25, 1, false, "-1.3"}, {-0.001, 2, false, "0.00"},  // no sign before a zero
        {0.5, 2, true, ".50"},     {1.5, 2, true, "1.50"},   {7.6, 0, false, "8"},
        {0.004, 2, true, ".00"},
    };
    for (const Decimals& d : decimals) {
        unsigned char text[256] = {0};
        rtas::AppendDecimals(d.value, text, d.count, d.dropZeroInteger);
        EXPECT_EQ(Text(text), d.expected) << d.value << " with " << d.count;
    }
}

TEST(CVoidPtrMapTest, FindSetEraseAndDumpInKeyOrder)
{
    CVoidPtrMap map;
    int a = 0;
    int b = 0;
    EXPECT_EQ(map.find(5), nullptr);
    map.set(0xFFFFFFF0u, &b);
    map.set(5, &a);
    EXPECT_EQ(map.find(5), &a);
    map.set(5, &b);
    EXPECT_EQ(map.find(5), &b);
    EXPECT_EQ(map.erase(5), 1);
    EXPECT_EQ(map.erase(5), 0);
    map.set(3, nullptr);
    FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    map.dump(out);
    std::rewind(out);
    char buffer[512] = {0};
    const size_t read = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    const std::string dump(buffer, read);
    EXPECT_EQ(dump.rfind("Dumping CVoidPtrMap  0x", 0), 0u);
    // Keys are compared unsigned: 3 comes before 0xFFFFFFF0.
    const size_t three = dump.find("key: 3 (0x3)");
    const size_t high = dump.find("key: -16 (0xfffffff0)");
    ASSERT_NE(three, std::string::npos);
    ASSERT_NE(high, std::string::npos);
    EXPECT_LT(three, high);
}

TEST(HostLockServiceLookup, IsCachedAfterSuccessAndRetriedAfterFailure)
{
    QorKitReset();
    rtas::ForgetHostLockService();
    QorKitSetLockServiceVersion(-1);
    EXPECT_EQ(rtas::GetHostLockService(), nullptr);
    QorKitSetLockServiceVersion(2);
    FicLockService* service = rtas::GetHostLockService();
    ASSERT_NE(service, nullptr);
    const int32_t asked = QorKitCallCount("FicGestalt");
    EXPECT_EQ(rtas::GetHostLockService(), service);
    EXPECT_EQ(QorKitCallCount("FicGestalt"), asked);
    rtas::ForgetHostLockService();
}

}  // namespace
