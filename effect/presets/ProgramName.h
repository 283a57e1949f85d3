// The one rule for a program's name, whichever road it comes in by: a bank or preset stream in either byte order,
// a file, a stored value, the older raw chunk, or a rename by the host or in the editor. The name is the bytes up to
// the first NUL, at most 23 of them; the rest of the 24-byte field is NUL. A 24-character name (which older stores
// may hold) still loads, cut to its first 23 like any other, so a saved state reads back as the same names.
#pragma once

#include <cstddef>
#include <string>

#include "effect/presets/ProgramRecord.h"

constexpr size_t kProgramNameMaxLength = kProgramNameSize - 1;

// The length the rule keeps of `text`; reads at most 23 bytes, so a 24-byte field without a terminator is safe.
size_t programNameLength(const char* text);

// `text` as the program's name, cut and padded by the rule.
void storeProgramName(ProgramRecord& program, const char* text);

// `text` as the rule keeps it, for the editor's name field and menu.
std::string programNameFrom(const char* text);
