// Call objects: one group operation with its stored arguments, run on the module's single group. Every host routine
// packs its call into one of these and hands it to RunGroupCall, the only place where thrown failures become result
// codes.
#pragma once

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/ModuleState.h"

#include <cstdint>
#include <tuple>
#include <utility>

class CProcessGroupInterface;

struct SGenFuncRetLong
{
    virtual ~SGenFuncRetLong() = default;
    virtual int32_t Run() = 0;
};

// Runs the call and answers its result: a std::bad_alloc answers -9006, a CDAEError its code, anything else -7401.
// Nothing thrown inside leaves this function.
int32_t RunGroupCall(SGenFuncRetLong& call);

// One member operation of the group with N stored arguments.
template <typename... Args>
class SArgGroupFunc : public SGenFuncRetLong
{
public:
    using Operation = int32_t (CProcessGroupInterface::*)(Args...);

    SArgGroupFunc(Operation operation, Args... args) : fOperation(operation), fArgs(args...) {}

    int32_t Run() override
    {
        // A host that calls a routine before the group exists (or after it is gone) gets a refusal, not a crash.
        CProcessGroupInterface* group = rtas::GetModuleGroup();
        rtas::ThrowIfNull(group);
        return std::apply([&](Args... args) { return (group->*fOperation)(args...); }, fArgs);
    }

private:
    Operation fOperation;
    std::tuple<Args...> fArgs;
};

using S0ArgGroupFunc = SArgGroupFunc<>;
template <typename A1>
using S1ArgGroupFunc = SArgGroupFunc<A1>;
template <typename A1, typename A2>
using S2ArgGroupFunc = SArgGroupFunc<A1, A2>;
template <typename A1, typename A2, typename A3>
using S3ArgGroupFunc = SArgGroupFunc<A1, A2, A3>;
template <typename A1, typename A2, typename A3, typename A4>
using S4ArgGroupFunc = SArgGroupFunc<A1, A2, A3, A4>;
template <typename A1, typename A2, typename A3, typename A4, typename A5>
using S5ArgGroupFunc = SArgGroupFunc<A1, A2, A3, A4, A5>;
template <typename A1, typename A2, typename A3, typename A4, typename A5, typename A6>
using S6ArgGroupFunc = SArgGroupFunc<A1, A2, A3, A4, A5, A6>;

// Any callable as a call object (for the library's own guarded calls that are not group operations).
template <typename F>
class SLambdaGroupFunc : public SGenFuncRetLong
{
public:
    explicit SLambdaGroupFunc(F f) : fF(std::move(f)) {}
    int32_t Run() override { return fF(); }

private:
    F fF;
};

namespace rtas {

template <typename F>
int32_t RunGuarded(F f)
{
    SLambdaGroupFunc<F> call(std::move(f));
    return RunGroupCall(call);
}

}  // namespace rtas
