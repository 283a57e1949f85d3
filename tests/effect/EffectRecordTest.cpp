#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "tests/effect/EffectFixture.h"

namespace {

template <typename T>
T readAt(const EffectRecord* record, size_t offset)
{
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(record) + offset, sizeof value);
    return value;
}

struct RecordOffsets
{
    size_t magic, dispatcher, numPrograms, numParams, numInputs, numOutputs, flags, resvd1, resvd2, initialDelay,
        ioRatio, object, uniqueID, version, processReplacing, processDoubleReplacing, size;
};

// The two columns of the record's layout: 64-bit and 32-bit hosts.
constexpr RecordOffsets kX64{0, 8, 40, 44, 48, 52, 56, 64, 72, 80, 92, 96, 112, 116, 120, 128, 192};
constexpr RecordOffsets kX86{0, 4, 20, 24, 28, 32, 36, 40, 44, 48, 60, 64, 72, 76, 80, 84, 144};

}  // namespace

class EffectRecordTest : public EffectFixture
{
};

TEST_F(EffectRecordTest, FieldsSitAtTheOffsetsHostsRead)
{
    const RecordOffsets& o = sizeof(void*) == 8 ? kX64 : kX86;
    ASSERT_EQ(sizeof(EffectRecord), o.size);
    EXPECT_EQ(readAt<int32_t>(record, o.magic), 0x56737450);
    EXPECT_EQ(readAt<int32_t>(record, o.numPrograms), 1);
    EXPECT_EQ(readAt<int32_t>(record, o.numParams), 16);
    EXPECT_EQ(readAt<int32_t>(record, o.numInputs), 2);
    EXPECT_EQ(readAt<int32_t>(record, o.numOutputs), 2);
    EXPECT_EQ(readAt<int32_t>(record, o.flags), 0x1031);
    EXPECT_EQ(readAt<intptr_t>(record, o.resvd1), 0);
    EXPECT_EQ(readAt<intptr_t>(record, o.resvd2), 0);
    EXPECT_EQ(readAt<int32_t>(record, o.initialDelay), 0);
    EXPECT_EQ(readAt<float>(record, o.ioRatio), 1.0f);
    EXPECT_EQ(readAt<void*>(record, o.object), static_cast<void*>(effect));
    EXPECT_EQ(readAt<int32_t>(record, o.uniqueID), fourCharCode('Q', 'K', 'v', 'p'));
    EXPECT_EQ(readAt<int32_t>(record, o.version), 1);
    EXPECT_EQ(readAt<void*>(record, o.dispatcher), reinterpret_cast<void*>(record->dispatcher));
    EXPECT_EQ(readAt<void*>(record, o.processReplacing), reinterpret_cast<void*>(record->processReplacing));
    EXPECT_EQ(readAt<void*>(record, o.processDoubleReplacing),
              reinterpret_cast<void*>(record->processDoubleReplacing));
    EXPECT_NE(record->process, nullptr);
}

TEST_F(EffectRecordTest, ConstructionTalksToTheHostBeforeItHoldsTheRecord)
{
    // Program 0 is selected twice during construction: after the factory fill and again by the start-up load of
    // the stored defaults. Each selection refreshes the display and brackets an edit of parameter 0.
    std::vector<HostCall> calls = TestHost::instance().calls();
    ASSERT_EQ(calls.size(), 6u);
    for (size_t selection = 0; selection < 2; ++selection) {
        EXPECT_EQ(calls[3 * selection].opcode, 42);
        EXPECT_EQ(calls[3 * selection + 1].opcode, 43);
        EXPECT_EQ(calls[3 * selection + 1].index, 0);
        EXPECT_EQ(calls[3 * selection + 2].opcode, 44);
        EXPECT_EQ(calls[3 * selection + 2].index, 0);
    }
    for (const HostCall& call : calls) {
        EXPECT_TRUE(call.hadRecord);
        EXPECT_EQ(call.resvd1, 0);
    }
}

TEST_F(EffectRecordTest, CloseReturnsOneAndFreesTheEffect)
{
    EXPECT_EQ(dispatch(1), 1);
    record = nullptr;  // invalid after close; the fixture must not close it again
}

TEST_F(EffectRecordTest, EditorFlagFollowsTheEditorObject)
{
    EXPECT_NE(effect->getEditor(), nullptr);
    EXPECT_TRUE(record->flags & kFlagHasEditor);
    effect->setEditor(nullptr);
    EXPECT_FALSE(record->flags & kFlagHasEditor);
    EXPECT_EQ(dispatch(13, 0, 0, nullptr), 0);
}
