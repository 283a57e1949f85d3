// Failures inside the library become result codes at the routine boundary, and the context lock is left on every
// path.
#include "FrameworkFixture.h"

#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/GroupCall.h"
#include "rtas/framework/ScopedGroupLock.h"

#include <new>
#include <stdexcept>

using namespace testsupport;

namespace {

TEST(ErrorHelpers, RaiseTheirCodesOnlyWhenTheConditionFails)
{
    auto codeOf = [](auto f) -> int32_t {
        try {
            f();
        } catch (const CDAEError& error) {
            return error.GetCode();
        }
        return 0;
    };
    EXPECT_EQ(codeOf([] { rtas::ThrowIfFalse(0); }), -7400);
    EXPECT_EQ(rtas::ThrowIfFalse(3), 3);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfNull(static_cast<const void*>(nullptr)); }), -7053);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfNull(int32_t(0)); }), -7053);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfNull(int32_t(1)); }), 0);
    // Only the low 16 bits carry the code, sign-extended.
    EXPECT_EQ(codeOf([] { rtas::ThrowIfError(0x00010000); }), 0);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfError(0x0001E40E); }), -7154);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfError(-7126); }), -7126);
    // DSI results: its own small codes move below -9200, others stay.
    EXPECT_EQ(codeOf([] { rtas::ThrowIfDSIError(0); }), 0);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfDSIError(120); }), 120);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfDSIError(100); }), 100);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfDSIError(5); }), -9195);
    EXPECT_EQ(codeOf([] { rtas::ThrowIfDSIError(-1); }), -9201);
    EXPECT_EQ(codeOf([] { rtas::ThrowCodeIfNonZero(-7000); }), -7000);
}

TEST(RunGroupCall, TurnsEveryKindOfExceptionIntoItsCode)
{
    EXPECT_EQ(rtas::RunGuarded([] { return int32_t(42); }), 42);
    EXPECT_EQ(rtas::RunGuarded([]() -> int32_t { throw CDAEError(-7126); }), -7126);
    EXPECT_EQ(rtas::RunGuarded([]() -> int32_t { throw std::bad_alloc(); }), -9006);
    EXPECT_EQ(rtas::RunGuarded([]() -> int32_t { throw 7; }), -7401);
    EXPECT_EQ(rtas::RunGuarded([]() -> int32_t { throw int16_t(-1); }), -7401);
    EXPECT_EQ(rtas::RunGuarded([]() -> int32_t { throw std::runtime_error("x"); }), -7401);
}

class ExceptionsAtTheBoundary : public FrameworkTest
{
};

TEST_F(ExceptionsAtTheBoundary, ARoutineAnswersTheCodeAndLeavesTheHostLockWhateverIsThrown)
{
    TestEffectGroup& group = MakeGroup();
    ASSERT_TRUE(group.HasHostLock());
    const int32_t index = CreateInstance(kKvss);
    struct Case
    {
        const char* what;
        std::function<void()> thrower;
        int32_t expected;
    };
    const Case cases[] = {
        {"CDAEError", [] { throw CDAEError(-7126); }, -7126},
        {"bad_alloc", [] { throw std::bad_alloc(); }, -9006},
        {"runtime_error", [] { throw std::runtime_error("any"); }, -7401},
        {"int", [] { throw 3; }, -7401},
        {"nothing", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestProcess::sThrow = c.thrower;
        EXPECT_EQ(Routine<46>()(kKvss, index, 2, 123), c.expected);
        EXPECT_EQ(group.GetLockNestingLevel(), 0);
        EXPECT_EQ(QorKitLockDepth(), 0);
    }
}

TEST_F(ExceptionsAtTheBoundary, LookupFailuresAnswerMissingTypeAndMissingInstance)
{
    MakeGroup();
    const int32_t index = CreateInstance(kKvmm);
    int32_t value = 0;
    EXPECT_EQ(Routine<45>()(kKvmm, index, 4, &value), 0);
    EXPECT_EQ(value, index * 1000 + 100 * kKvmm + 4);
    EXPECT_EQ(Routine<45>()(kKvam, index, 4, &value), -7126);
    EXPECT_EQ(Routine<45>()(6, index, 4, &value), -7125);
    EXPECT_EQ(Routine<45>()(0, index, 4, &value), -7125);
    EXPECT_EQ(Routine<45>()(kKvmm, 0, 4, &value), -7126);
    EXPECT_EQ(Routine<45>()(kKvmm, -1, 4, &value), -7126);
    EXPECT_EQ(QorKitLockDepth(), 0);
}

TEST_F(ExceptionsAtTheBoundary, ScopedGroupLockLeavesOnlyWhatItEntered)
{
    {
        ScopedGroupLock none;  // no group: nothing to undo
    }
    TestEffectGroup& group = MakeGroup();
    {
        ScopedGroupLock held;
        EXPECT_EQ(group.GetLockNestingLevel(), 1);
        EXPECT_EQ(QorKitLockDepth(), 1);
    }
    EXPECT_EQ(group.GetLockNestingLevel(), 0);
    EXPECT_EQ(QorKitLockDepth(), 0);
}

}  // namespace
