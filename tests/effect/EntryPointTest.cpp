// The entry point answers null, never an exception, when the effect's construction throws, wherever in it that
// happens. (A host that answers version 0 is in the end-to-end tests, through the real library.)
#include <gtest/gtest.h>

#include <new>

#include "effect/vst2/CreateEffect.h"

namespace {

// A host whose callback throws at its n-th call, standing in for anything the construction meets that throws (its
// allocations, the editor's images, the file system): the constructor talks to the host before and after the
// editor exists.
int gCalls = 0;
int gThrowAt = 0;
intptr_t throwingHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    if (++gCalls == gThrowAt)
        throw std::bad_alloc();
    return opcode == 1 ? 2400 : 0;
}

TEST(EntryPoint, ConstructionThatThrowsAnswersNull)
{
    // Calls 1 and 2 ask the version; 3 to 5 come from selecting program 0, 6 to 8 from selecting it again once the
    // editor exists.
    for (gThrowAt = 1; gThrowAt <= 8; ++gThrowAt) {
        gCalls = 0;
        EXPECT_EQ(createEffect(&throwingHost), nullptr) << "throwing at call " << gThrowAt;
        EXPECT_EQ(gCalls, gThrowAt);
    }
    gThrowAt = 0;
    gCalls = 0;
    EffectRecord* record = createEffect(&throwingHost);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(gCalls, 8);
    record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
}

TEST(EntryPoint, NoHostGetsNull) { EXPECT_EQ(createEffect(nullptr), nullptr); }

}  // namespace
