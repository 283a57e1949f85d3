// The one exception the RTAS library raises: a result code that travels up to the routine boundary, where
// RunGroupCall turns it back into the routine's answer.
#pragma once

#include <cstdint>

class CDAEError
{
public:
    explicit CDAEError(int32_t code) : fCode(code) {}
    int32_t GetCode() const { return fCode; }

private:
    int32_t fCode;
};
