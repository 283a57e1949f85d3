// Names with several lengths: one text of newline-separated variants, longest first. The host asks for a name that
// fits a length, and gets the first variant that does (or the last one, cut).
#pragma once

#include <cstdint>
#include <string>

namespace rtas {

// The first variant of at most maxLength characters, else the last variant cut to maxLength. Empty for null names.
std::string NameVariantForLength(const char* names, int32_t maxLength);
// The same into a zero-terminated destination of at least maxLength + 1 bytes.
void PickNameForLength(char* destination, const char* names, int32_t maxLength);

}  // namespace rtas
