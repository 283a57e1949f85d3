// Walks the members of one description group for a class's ReadDescription: each expected node is taken in order,
// a node of the wrong type and nodes left over fail with -7400.
#pragma once

#include "rtas/framework/CDAEError.h"
#include "rtas/views/DescriptionNode.h"

#include <string>

namespace rtas::views {

class GroupReader
{
public:
    explicit GroupReader(const DescriptionNode* group) : fNode(group->Members()) {}

    bool AtEnd() const { return fNode == nullptr; }
    const DescriptionNode& Peek() const { return *fNode; }
    bool NextIs(int16_t type) const { return fNode != nullptr && fNode->type == type; }
    const DescriptionNode& Take()
    {
        if (fNode == nullptr)
            throw CDAEError(-7400);
        const DescriptionNode& node = *fNode;
        fNode = fNode->next;
        return node;
    }
    const DescriptionNode& Take(int16_t type)
    {
        const DescriptionNode& node = Take();
        if (node.type != type)
            throw CDAEError(-7400);
        return node;
    }
    std::string TakeText(size_t limit = 255)
    {
        const unsigned char* text = Take(kNodeText).Text();
        return std::string(reinterpret_cast<const char*>(text + 1), std::min<size_t>(text[0], limit));
    }
    void Finish() const
    {
        if (fNode != nullptr)
            throw CDAEError(-7400);
    }

private:
    const DescriptionNode* fNode;
};

}  // namespace rtas::views
