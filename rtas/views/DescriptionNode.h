// The unit of a parsed view description: {next node, type, 32-bit value}, taken from the parser's pool at even
// offsets (10 bytes on the plug-in's 32-bit platform). A text or group value is the distance from the node to what it
// names inside the same pool (0 for none), so it fits 32 bits on any platform; a view type's value is the registry's
// number for its creator.
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
    const void* Target() const { return value == 0 ? nullptr : reinterpret_cast<const char*>(this) + value; }
    void SetTarget(const void* target)
    {
        value = target == nullptr ? 0
                                  : int32_t(static_cast<const char*>(target) - reinterpret_cast<const char*>(this));
    }
    const unsigned char* Text() const { return static_cast<const unsigned char*>(Target()); }
    const DescriptionNode* Members() const { return static_cast<const DescriptionNode*>(Target()); }
    ViewCreator Creator() const;
};
static_assert(sizeof(void*) != 4 || sizeof(DescriptionNode) == 10, "a node takes 10 bytes of the pool");

// The creator the registry numbered value, or null.
ViewCreator CreatorForValue(int32_t value);
inline ViewCreator DescriptionNode::Creator() const { return CreatorForValue(value); }

}  // namespace rtas::views
