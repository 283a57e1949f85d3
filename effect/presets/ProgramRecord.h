// One program of the preset system's bank: a name and the normalised values of the 16 parameters.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t kBankPrograms = 48;
constexpr int32_t kProgramParams = 16;
constexpr size_t kProgramNameSize = 24;  // NUL-terminated and NUL-padded, at most 23 characters

struct ProgramRecord
{
    char name[kProgramNameSize];
    float values[kProgramParams];
};
static_assert(sizeof(ProgramRecord) == 88 && offsetof(ProgramRecord, values) == 24, "program record is 88 bytes");
static_assert(sizeof(ProgramRecord) * kBankPrograms == 4224, "bank is 4224 bytes");
