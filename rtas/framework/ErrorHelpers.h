// Turning results and conditions into thrown CDAEError codes. Each returns normally when its condition holds.
#pragma once

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ResultCodes.h"

#include <cstdint>

namespace rtas {

// -7400 when flag is 0; else the flag.
uint8_t ThrowIfFalse(uint8_t flag);
// -7053 when the pointer is null.
void ThrowIfNull(const void* pointer);
// -7053 when the flag word is 0.
void ThrowIfNull(int32_t flag);
// The low 16 bits of result, sign-extended, when they are not 0 (only they carry the code); else 0.
int16_t ThrowIfError(int32_t result);
// A DSI result: 0 returns 0; 100 or more is raised as it is; a smaller value v is raised as v - 9200, so the DSI's own
// small codes cannot be mistaken for the library's.
int16_t ThrowIfDSIError(int16_t result);
void ThrowCodeIfNonZero(int32_t code);

// Runs body and answers its result; a CDAEError answers its code and anything else -7401, so that nothing thrown
// leaves an entry the host calls.
template <typename Body>
int32_t AnswerCode(Body body)
{
    try {
        return body();
    } catch (const CDAEError& error) {
        return error.GetCode();
    } catch (...) {
        return kUnexpected;
    }
}

}  // namespace rtas
