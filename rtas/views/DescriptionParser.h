// Turns the text of a dialog item into a list of description nodes: words, numbers, quoted texts and bracketed
// groups, all taken from a 4096-byte pool inside the parser (which lives on the caller's stack; nothing survives it).
// GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/DescriptionNode.h"
#include "rtas/views/ItemRecord.h"

#include <cstdint>

namespace rtas::views {

class DescriptionParser
{
public:
    explicit DescriptionParser(const ItemRecord& item);
    DescriptionParser(const DescriptionParser&) = delete;
    DescriptionParser& operator=(const DescriptionParser&) = delete;

    // Parses the item's text and resolves its function keywords; true when the text is a valid description
    // (!, a view type, and a non-empty group of groups). Never throws.
    bool Parse();

    const ItemRecord& Item() const { return fItem; }
    const DescriptionNode* Head() const { return fHead; }
    ViewCreator Creator() const;
    // The next inner group for a class's ReadDescription, in order; -7053 when none is left.
    const DescriptionNode* NextGroup();

private:
    DescriptionNode* ParseList(char terminator);
    void Token(DescriptionNode*& head, DescriptionNode*& tail, bool& stop, char terminator);
    DescriptionNode* NewNode(int16_t type, int32_t value);
    void* Take(int32_t bytes);
    char Peek() const;
    void SkipSeparators();
    DescriptionNode* ReadNumber();
    DescriptionNode* ReadName();
    DescriptionNode* ReadQuoted(char quote);
    DescriptionNode* ReadGroup();
    void ResolveFunctions(DescriptionNode* list);
    DescriptionNode* GetStringNode(const DescriptionNode* group);
    DescriptionNode* TextNodeFromRaw(const char* text, int32_t length);

    // A copy: the parser may outlive the record it was given (a temporary), never its own copy.
    ItemRecord fItem;
    DescriptionNode* fHead = nullptr;
    char fTerminator = 0;
    const char* fCursor;
    const char* fEnd;
    alignas(4) unsigned char fPool[4096];
    int32_t fFill = 0;
    const DescriptionNode* fNextGroup = nullptr;
};


}  // namespace rtas::views
