// The registry of description words: view types (category 4, the value a creator), keywords (3) and function
// keywords (5). Filled at module load, read afterwards; lookups are case-sensitive.
#pragma once

#include "rtas/views/DescriptionNode.h"

#include <cstdint>

namespace rtas::views {

enum RegistryCategory : int16_t
{
    kCategoryKeyword = 3,
    kCategoryViewType = 4,
    kCategoryFunction = 5,
};

enum Keyword : int32_t
{
    kKeyLeft = 0, kKeyRight, kKeyTop, kKeyBottom, kKeyCenter, kKeyDefault, kKeyReverse, kKeyCyclical, kKeyPlate,
    kKeyNormal, kKeyClicked, kKeyDisabled, kKeyInversePlate, kKeyEditable, kKeyHorizontal, kKeyVertical, kKeyRound,
    kKeySquare, kKeyFrame, kKeyGreen, kKeyDarkGreen, kKeyRed, kKeyDarkRed, kKeyBlue, kKeyDarkBlue, kKeyAmber,
    kKeyDarkAmber, kKeyASCII,
};

enum FunctionKeyword : int32_t
{
    kFunctionGetList = 0,
    kFunctionGetString = 1,
    kFunctionShortVersion = 2,
    kFunctionLongVersion = 3,
};

// Enter or replace an entry; the name as a zero-terminated or a length-prefixed text.
void RegisterViewType(const char* name, ViewCreator creator);
void RegisterViewType(const unsigned char* name, ViewCreator creator);
void RegisterKeyword(const char* name, int16_t category, int32_t value);
void RegisterKeyword(const unsigned char* name, int16_t category, int32_t value);
// Sets the node's type and value from the entry and answers true; false (node untouched) when not registered.
bool LookUpName(const char* name, DescriptionNode* node);

}  // namespace rtas::views
