#include "effect/presets/ProgramName.h"

#include <cstring>

size_t programNameLength(const char* text)
{
    size_t length = 0;
    while (length < kProgramNameMaxLength && text[length] != '\0')
        ++length;
    return length;
}

void storeProgramName(ProgramRecord& program, const char* text)
{
    const size_t length = programNameLength(text);
    // Measured before the field is cleared: the text may be the program's own name.
    char kept[kProgramNameMaxLength];
    std::memcpy(kept, text, length);
    std::memset(program.name, 0, kProgramNameSize);
    std::memcpy(program.name, kept, length);
}

std::string programNameFrom(const char* text) { return std::string(text, programNameLength(text)); }
