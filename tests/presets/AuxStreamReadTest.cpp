// The auxiliary readers hand values to parameters 16 up, through the effect's setParameter.
#include <gtest/gtest.h>

#include <cmath>

#include "StreamTestSupport.h"

using namespace streamtest;

using Calls = std::vector<std::pair<int32_t, float>>;

TEST(AuxStreamRead, RoundTripPassesEachValueToItsParameter)
{
    Rig source;
    const std::vector<uint8_t> stream = source.editor->writeAuxStream();
    Rig target;
    const std::vector<uint8_t> bank = target.bankBytes();
    ASSERT_TRUE(readStream(*target.editor, Stream::Aux, stream));
    Calls expected;
    for (int32_t i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13})
        expected.emplace_back(16 + i, source.effect->aux[i]);
    EXPECT_EQ(target.effect->parameterCalls, expected);
    EXPECT_EQ(target.bankBytes(), bank);
    EXPECT_TRUE(target.editor->calls.empty());
}

TEST(AuxStreamRead, SkipsRecordsOutsideItsRange)
{
    Rig rig;
    const std::vector<uint8_t> stream = RecordBuilder()
                                            .parameter(0, 1, 1.5f, 2)
                                            .parameter(0, 2, -0.5f, 2)
                                            .parameter(0, 4, std::nanf(""), 2)
                                            .parameter(0, 16, 0.5f, 2)
                                            .parameter(0, -1, 0.5f, 2)
                                            .parameter(0, 5, 0.5f, 1)     // a program parameter, not auxiliary
                                            .parameter(0, 6, 0.5f, 2, 15) // too short
                                            .name(0, "Ignored")
                                            .parameter(0, 3, 0.25f, 2)    // excluded indices are not asked about
                                            .parameter(0, 0, 1.0f, 2)
                                            .stream(0x0C);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Aux, stream));
    EXPECT_EQ(rig.effect->parameterCalls, (Calls{{19, 0.25f}, {16, 1.0f}}));
}

TEST(AuxStreamRead, SwappedStreamPassesTheSameValues)
{
    Rig source;
    const std::vector<uint8_t> native = source.editor->writeAuxStream();
    Rig a, b;
    ASSERT_TRUE(readStream(*a.editor, Stream::Aux, native));
    ASSERT_TRUE(readStream(*b.editor, Stream::Aux, swappedStream(native), true));
    EXPECT_EQ(b.effect->parameterCalls, a.effect->parameterCalls);
}

namespace {

std::vector<uint8_t> floatsLE(const std::vector<float>& values, bool swapped = false)
{
    std::vector<uint8_t> out(values.size() * 4);
    for (size_t i = 0; i < values.size(); ++i) {
        putLeFloat(out, 4 * i, values[i]);
        if (swapped)
            swapWordAt(out, 4 * i);
    }
    return out;
}

}  // namespace

TEST(OldAuxStreamRead, PassesValuesSkippingExcludedIndices)
{
    std::vector<float> values(20);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = 0.05f * float(i);
    values[3] = 9.0f;  // excluded, so never looked at
    for (bool swapped : {false, true}) {
        Rig rig;
        const std::vector<uint8_t> bytes = floatsLE(values, swapped);
        ASSERT_TRUE(rig.editor->readOldAuxStream(bytes.data(), bytes.size(), swapped, 20));
        Calls expected;
        for (int32_t i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13})
            expected.emplace_back(16 + i, values[size_t(i)]);
        EXPECT_EQ(rig.effect->parameterCalls, expected) << swapped;
    }
}

TEST(OldAuxStreamRead, StopsAtTheFirstValueOutOfRange)
{
    Rig rig;
    const std::vector<uint8_t> bytes = floatsLE({0.1f, 0.2f, 1.5f, 0.0f, 0.4f});
    EXPECT_FALSE(rig.editor->readOldAuxStream(bytes.data(), bytes.size(), false, 5));
    EXPECT_EQ(rig.effect->parameterCalls, (Calls{{16, 0.1f}, {17, 0.2f}}));
}

TEST(OldAuxStreamRead, CountBeyondTheBytesGivenReadsNothing)
{
    struct Case
    {
        size_t bytes;
        int32_t count;
        bool accepted;
        size_t calls;
    };
    const Case cases[] = {
        {64, 16, true, 12},  {63, 16, false, 0},          {64, 0x7FFFFFFF, true, 12},
        {8, 3, false, 0},    {0, 0, true, 0},             {0, -5, true, 0},
        {12, 3, true, 3},    {64, int32_t(0x80000000), true, 0},
    };
    for (const Case& c : cases) {
        Rig rig;
        const std::vector<uint8_t> all = floatsLE(std::vector<float>(16, 0.5f));
        const std::vector<uint8_t> bytes(all.begin(), all.begin() + long(c.bytes));
        EXPECT_EQ(rig.editor->readOldAuxStream(bytes.data(), bytes.size(), false, c.count), c.accepted)
            << c.bytes << " " << c.count;
        EXPECT_EQ(rig.effect->parameterCalls.size(), c.calls) << c.bytes << " " << c.count;
    }
}
