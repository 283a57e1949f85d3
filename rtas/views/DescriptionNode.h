// The unit of a parsed view description: {next node, type, 32-bit value}, 10 bytes taken from the parser's pool at
// even offsets.
#pragma once

#include <cstdint>
#include <cstring>

namespace rtas::views {

class CPlugInView;
using ViewCreator = CPlugInView* (*)();

enum NodeType : int16_t
{
    kNodeStart = 0,       // !
    kNodeCharacter = 1,   // '' or 'c': the character code
    kNodeFourCC = 2,      // 'abcd': first character most significant
    kNodeKeyword = 3,     // registered keyword: its value
    kNodeViewType = 4,    // registered view type: its creator
    kNodeFunction = 5,    // function keyword, replaced after parsing
    kNodeText = 6,        // "text": a length-prefixed string in the pool
    kNodeInteger = 7,
    kNodeFloat = 8,
    kNodeGroup = 9,       // ( ) or [ ]: its first node, null when empty
};

struct __attribute__((packed, aligned(2))) DescriptionNode
{
    DescriptionNode* next;
    int16_t type;
    int32_t value;

    float FloatValue() const
    {
        float f;
        const int32_t bits = value;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    const unsigned char* Text() const { return reinterpret_cast<const unsigned char*>(intptr_t(value)); }
    const DescriptionNode* Members() const { return reinterpret_cast<const DescriptionNode*>(intptr_t(value)); }
    ViewCreator Creator() const { return reinterpret_cast<ViewCreator>(intptr_t(value)); }
};
static_assert(sizeof(void*) == 4, "descriptions keep pointers in 32-bit node values");
static_assert(sizeof(DescriptionNode) == 10, "a node takes 10 bytes of the pool");

}  // namespace rtas::views
