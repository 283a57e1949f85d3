// What an operation answers when no class overrides it: 0 with every answer the host passed cleared, except for the
// selectors whose default is a refusal or a fixed answer. Group and instance keep separate tables of exceptions.
#pragma once

#include "rtas/framework/ResultCodes.h"

#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <type_traits>

namespace rtas {

// Clears one answer: integers and bytes (an empty length-prefixed name, for text answers) and interface pointers.
// Records the host passes in are const or not cleared.
template <typename T>
void ClearAnswer(T value)
{
    if constexpr (std::is_pointer_v<T>) {
        using Target = std::remove_pointer_t<T>;
        if constexpr (!std::is_const_v<Target> && (std::is_arithmetic_v<Target> || std::is_pointer_v<Target>)) {
            if (value != nullptr)
                *value = Target{};
        }
    }
}

template <typename... A>
void ClearAnswers(A... args)
{
    (ClearAnswer(args), ...);
}

template <typename Value, typename... A>
void SetLastAnswer(Value answer, A... args)
{
    auto last = std::get<sizeof...(A) - 1>(std::tie(args...));
    if (last != nullptr)
        *last = answer;
}

constexpr bool IsOneOf(int selector, std::initializer_list<int> selectors)
{
    for (int s : selectors)
        if (s == selector)
            return true;
    return false;
}

// The group's defaults (for every routine it reaches, before a class overrides it).
template <int Selector, typename... A>
int32_t GroupDefault(A... args)
{
    ClearAnswers(args...);
    if constexpr (Selector == 28 || Selector == 88) {
        SetLastAnswer(1, args...);
        return kNoErr;
    } else if constexpr (Selector == 137) {
        int32_t* stems = std::get<sizeof...(A) - 1>(std::tie(args...));
        if (stems != nullptr)
            stems[0] = stems[1] = stems[2] = -100;
        return kStemFormatsNotReported;
    } else if constexpr (IsOneOf(Selector, {92, 94, 95, 96, 97, 101, 102, 103, 104, 105, 158, 159, 166, 167, 168,
                                            169, 170, 173})) {
        return kNotImplemented;
    } else if constexpr (Selector == 156) {
        return kRoutine156Refused;
    } else if constexpr (Selector == 128) {
        return kNoRoutine;
    } else if constexpr (Selector == 68 || Selector == 138) {
        return kNoTypeForSpec;
    } else {
        return kNoErr;
    }
}

// An instance's defaults; the instance classes override what they answer.
template <int Selector, typename... A>
int32_t ProcessDefault(A... args)
{
    ClearAnswers(args...);
    if constexpr (Selector == 27 || Selector == 88) {
        SetLastAnswer(1, args...);
        return kNoErr;
    } else if constexpr (IsOneOf(Selector, {101, 108, 158, 159})) {
        return kNotImplemented;
    } else if constexpr (Selector == 156) {
        return kRoutine156Refused;
    } else if constexpr (Selector == 63) {
        SetLastAnswer(uint32_t(0x20202020), args...);  // four blanks: no chunk at that position
        return kForeignChunk;
    } else if constexpr (IsOneOf(Selector, {64, 65, 66, 67})) {
        return kForeignChunk;
    } else {
        return kNoErr;
    }
}

}  // namespace rtas
