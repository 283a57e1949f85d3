// Length-prefixed strings: one length byte n, then n characters, no terminator. The library builds every name and
// text it hands the host this way.
#pragma once

#include <cstdint>

namespace rtas {

// Copies source cut to 31 (63) characters; the copy's length byte is the number of characters copied.
void CopyPascalString31(const unsigned char* source, unsigned char* destination);
void CopyPascalString63(const unsigned char* source, unsigned char* destination);
// Copies the length byte and all characters (the destination holds 256 bytes).
void CopyPascalString(const unsigned char* source, unsigned char* destination);
// Appends as many characters of source as fit within capacity characters in all (none when destination is already
// full) and adds their number to destination's length byte; answers the position after the last character written.
unsigned char* AppendPascalString(int32_t capacity, const unsigned char* source, unsigned char* destination);
// True when both are null or both hold the same characters; false when only one is null.
bool EqualPascalStrings(const unsigned char* a, const unsigned char* b);
// Appends a zero-terminated text (helper for building names).
unsigned char* AppendCString(int32_t capacity, const char* source, unsigned char* destination);
// Writes a zero-terminated text as a length-prefixed one of at most capacity characters.
void SetPascalString(int32_t capacity, const char* source, unsigned char* destination);

}  // namespace rtas
