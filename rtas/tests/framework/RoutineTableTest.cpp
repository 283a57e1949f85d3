// The routine descriptor: which selectors have routines, and how every routine runs (lock or not, group or not).
#include "FrameworkFixture.h"

#include <set>
#include <tuple>
#include <utility>

using namespace testsupport;

namespace {

const std::set<uint32_t> kNoRoutine = {11, 13, 21, 26, 34, 60, 61, 106, 107};
// Answer 0 at once without the group.
const std::set<uint32_t> kConstant = {43, 56, 57, 58, 76, 77, 78, 83, 84, 112, 113, 114, 115, 116, 117, 118, 119, 98};

TEST(RoutineDescriptor, EverySelectorUpTo200HasItsRoutineOrAnswersNoRoutineWithANullPointer)
{
    int routines = 0;
    for (uint32_t selector = 0; selector <= 200; ++selector) {
        PlugInRoutinePointer routine = reinterpret_cast<PlugInRoutinePointer>(uintptr_t(0x1234));
        const int32_t result = _PI_GetRoutineDescriptor(selector, &routine);
        const bool expected = selector <= 173 && kNoRoutine.count(selector) == 0;
        SCOPED_TRACE(selector);
        if (expected) {
            EXPECT_EQ(result, 0);
            EXPECT_NE(routine, nullptr);
            ++routines;
        } else {
            EXPECT_EQ(result, -9007);
            EXPECT_EQ(routine, nullptr);
        }
    }
    EXPECT_EQ(routines, 165);
    PlugInRoutinePointer routine = nullptr;
    EXPECT_EQ(_PI_GetRoutineDescriptor(0xFFFFFFFFu, &routine), -9007);
    EXPECT_EQ(_PI_GetRoutineDescriptor(0, nullptr), -9007);
}

TEST(RoutineDescriptor, DistinctSelectorsGetDistinctRoutines)
{
    std::set<PlugInRoutinePointer> seen;
    for (uint32_t selector = 0; selector <= 173; ++selector) {
        PlugInRoutinePointer routine = nullptr;
        if (_PI_GetRoutineDescriptor(selector, &routine) == 0) {
            EXPECT_TRUE(seen.insert(routine).second) << selector;
        }
    }
}

// A group that counts how the dispatcher locks, and answers every routine it reaches with a recognisable code.
class CountingGroup : public TestEffectGroup
{
public:
    int32_t Lock() override
    {
        ++fLocks;
        return CProcessGroup::Lock();
    }
    int32_t Unlock() override
    {
        ++fUnlocks;
        return CProcessGroup::Unlock();
    }
    int fLocks = 0;
    int fUnlocks = 0;
};

template <typename R, typename... P>
int32_t CallWithZeros(R (*routine)(P...))
{
    return routine(P{}...);
}

template <int Selector, typename = void>
struct HasRoutineType : std::false_type
{
};
template <int Selector>
struct HasRoutineType<Selector, std::void_t<typename PlugInRoutine<Selector>::Type>> : std::true_type
{
};

struct Observed
{
    int locks;
    int unlocks;
    int32_t result;
};

// Calls the routine of every selector once with zero arguments (null answer pointers, type number 0) and records
// how often it locked.
template <int... Selectors>
std::map<int, Observed> CallEveryRoutine(CountingGroup& group, std::integer_sequence<int, Selectors...>)
{
    std::map<int, Observed> observed;
    auto one = [&](auto selectorConstant) {
        constexpr int selector = decltype(selectorConstant)::value;
        if constexpr (HasRoutineType<selector>::value) {
            PlugInRoutinePointer pointer = nullptr;
            if (_PI_GetRoutineDescriptor(selector, &pointer) != 0)
                return;
            group.fLocks = group.fUnlocks = 0;
            const int32_t result =
                CallWithZeros(reinterpret_cast<typename PlugInRoutine<selector>::Type>(pointer));
            observed[selector] = {group.fLocks, group.fUnlocks, result};
        }
    };
    (one(std::integral_constant<int, Selectors>{}), ...);
    return observed;
}

class RoutineLocking : public FrameworkTest
{
protected:
    std::map<int, Observed> RunAll(int32_t level)
    {
        auto group = std::make_unique<CountingGroup>();
        rtas::SetModuleGroup(group.get());
        EXPECT_EQ(group->Initialize(), 0);
        group->SetHostInterfaceLevel(level);
        auto observed = CallEveryRoutine(*group, std::make_integer_sequence<int, 174>{});
        EXPECT_EQ(group->GetLockNestingLevel(), 0);
        rtas::SetModuleGroup(nullptr);
        group.reset();
        return observed;
    }
};

TEST_F(RoutineLocking, EachRoutineLocksAsItsTableRowSaysAtEveryHostInterfaceLevel)
{
    struct Case
    {
        int32_t level;
        std::set<int> unlocked;  // routines with a group call that run without the lock at this level
    };
    const Case cases[] = {
        {99, {75, 105, 144}},   // the level the group sets
        {100, {}},              // from 100 on every routine locks
        {98, {0, 47, 75, 105, 144}},
        {0, {}},                // no routine locks at level 0 (checked below)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const auto observed = RunAll(c.level);
        EXPECT_EQ(observed.size(), 165u);
        for (const auto& [selector, o] : observed) {
            SCOPED_TRACE(selector);
            EXPECT_EQ(o.locks, o.unlocks);
            const bool locks = c.level != 0 && kConstant.count(selector) == 0 && c.unlocked.count(selector) == 0;
            EXPECT_EQ(o.locks, locks ? 1 : 0);
        }
    }
}

TEST_F(RoutineLocking, ConstantRoutinesAnswerZeroEvenWithoutAGroup)
{
    for (uint32_t selector : kConstant) {
        PlugInRoutinePointer routine = nullptr;
        ASSERT_EQ(_PI_GetRoutineDescriptor(selector, &routine), 0);
        if (selector == 98) {
            int32_t answer = 77;
            EXPECT_EQ(reinterpret_cast<PlugInRoutine<98>::Type>(routine)(&answer), 0);
            EXPECT_EQ(answer, 0);
        } else {
            EXPECT_EQ(reinterpret_cast<PlugInRoutine<43>::Type>(routine)(), 0) << selector;
        }
    }
}

TEST_F(RoutineLocking, RoutinesBeforeTheGroupExistsAnswerMissingObject)
{
    int32_t value = 5;
    EXPECT_EQ(Routine<45>()(kKvss, 1, 2, &value), -7053);
    int16_t count = 0;
    EXPECT_EQ(Routine<22>()(&count), -7053);
}

}  // namespace
