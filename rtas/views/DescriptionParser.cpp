#include "rtas/views/DescriptionParser.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ModuleInformation.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/host/ToolboxServices.h"
#include "rtas/views/ViewRegistry.h"

#include <cstring>

namespace rtas::views {
namespace {

constexpr int32_t kMalformed = -7400;
constexpr int32_t kMissing = -7053;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSeparator(char c) { return c == 9 || c == 10 || c == 13 || c == 32 || c == 44; }

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The index-th (from 1) string of a string-list resource: big-endian u16 count, then length-prefixed strings. The
// walk stays inside the resource's bytes.
bool StringFromList(int16_t listID, int32_t index, char* out, int32_t* length)
{
    const int16_t previous = UsePlugInResourceFile();
    HostHandle list = Get1Resource(0x53545223, listID);  // 'STR#'
    bool found = false;
    if (list != nullptr) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(*list);
        const int32_t size = GetHandleSize(list);
        if (size >= 2 && index >= 1 && index <= ((bytes[0] << 8) | bytes[1])) {
            int32_t at = 2;
            for (int32_t i = 1; i < index && at < size; ++i)
                at += 1 + bytes[at];
            if (at < size && at + 1 + bytes[at] <= size) {
                *length = bytes[at];
                std::memcpy(out, bytes + at + 1, size_t(bytes[at]));
                found = true;
            }
        }
        ReleaseResource(list);
    }
    ReleasePlugInResourceFile(previous);
    return found;
}

}  // namespace

DescriptionParser::DescriptionParser(const ItemRecord& item)
    : fItem(item),
      fCursor(reinterpret_cast<const char*>(fItem.data)),
      fEnd(reinterpret_cast<const char*>(fItem.data) + fItem.length)
{
}

void* DescriptionParser::Take(int32_t bytes)
{
    fFill = (fFill + 1) & ~1;
    if (int32_t(sizeof fPool) - fFill < bytes)
        throw CDAEError(kMissing);
    void* at = fPool + fFill;
    fFill += bytes;
    return at;
}

DescriptionNode* DescriptionParser::NewNode(int16_t type, int32_t value)
{
    auto* node = static_cast<DescriptionNode*>(Take(int32_t(sizeof(DescriptionNode))));
    node->next = nullptr;
    node->type = type;
    node->value = value;
    return node;
}

char DescriptionParser::Peek() const { return fCursor < fEnd ? *fCursor : 0; }

void DescriptionParser::SkipSeparators()
{
    while (fCursor < fEnd && IsSeparator(*fCursor))
        ++fCursor;
}

bool DescriptionParser::Parse()
{
    try {
        fTerminator = 0;
        fHead = ParseList(0);
        if (fHead == nullptr)
            return false;
        ResolveFunctions(fHead);
        const DescriptionNode* start = fHead;
        const DescriptionNode* type = start->next;
        const DescriptionNode* outer = type != nullptr ? type->next : nullptr;
        if (start->type != kNodeStart || type == nullptr || type->type != kNodeViewType || outer == nullptr ||
            outer->type != kNodeGroup || outer->next != nullptr || outer->Members() == nullptr)
            return false;
        for (const DescriptionNode* n = outer->Members(); n != nullptr; n = n->next)
            if (n->type != kNodeGroup)
                return false;
        fNextGroup = outer->Members();
        return true;
    } catch (...) {
        fHead = nullptr;
        return false;
    }
}

ViewCreator DescriptionParser::Creator() const
{
    return fHead != nullptr && fHead->next != nullptr ? fHead->next->Creator() : nullptr;
}

const DescriptionNode* DescriptionParser::NextGroup()
{
    if (fNextGroup == nullptr)
        throw CDAEError(kMissing);
    const DescriptionNode* group = fNextGroup;
    fNextGroup = group->next;
    return group;
}

DescriptionNode* DescriptionParser::ParseList(char terminator)
{
    const char outer = fTerminator;
    fTerminator = terminator;
    DescriptionNode* head = nullptr;
    DescriptionNode* tail = nullptr;
    bool stop = false;
    while (!stop)
        Token(head, tail, stop, terminator);
    fTerminator = outer;
    return head;
}

void DescriptionParser::Token(DescriptionNode*& head, DescriptionNode*& tail, bool& stop, char terminator)
{
    SkipSeparators();
    const char c = Peek();
    DescriptionNode* node = nullptr;
    if (c == terminator) {
        stop = true;
        return;
    }
    if (c == '!') {
        ++fCursor;
        node = NewNode(kNodeStart, 0);
    } else if (c == '"' || c == '\'') {
        node = ReadQuoted(c);
    } else if (c == '(' || c == '[') {
        node = ReadGroup();
    } else if (c == '-' || c == '.' || IsDigit(c)) {
        node = ReadNumber();
    } else if (IsLetter(c)) {
        node = ReadName();
    } else {
        // The list ends at a character that is not its terminator.
        throw CDAEError(kMalformed);
    }
    if (tail != nullptr)
        tail->next = node;
    else
        head = node;
    tail = node;
}

DescriptionNode* DescriptionParser::ReadNumber()
{
    bool negative = false;
    if (Peek() == '-') {
        negative = true;
        ++fCursor;
        while (fCursor < fEnd && (*fCursor == ' ' || *fCursor == 9))
            ++fCursor;
        if (!IsDigit(Peek()) && Peek() != '.')
            throw CDAEError(kMalformed);
    }
    if (Peek() == '0' && fCursor + 1 < fEnd && fCursor[1] == 'x') {
        fCursor += 2;
        uint32_t value = 0;
        for (int digit; (digit = HexDigit(Peek())) >= 0; ++fCursor)
            value = value * 16 + uint32_t(digit);
        return NewNode(kNodeInteger, int32_t(negative ? 0u - value : value));
    }
    uint32_t whole = 0;
    double fraction = 0, scale = 0.1;
    bool point = false;
    for (char c = Peek(); IsDigit(c) || c == '.'; c = Peek()) {
        ++fCursor;
        if (c == '.') {
            if (point)
                throw CDAEError(kMalformed);  // a second decimal point
            point = true;
        } else if (point) {
            fraction += (c - '0') * scale;
            scale /= 10;
        } else {
            whole = whole * 10 + uint32_t(c - '0');
        }
    }
    if (!point)
        return NewNode(kNodeInteger, int32_t(negative ? 0u - whole : whole));
    float value = float(double(whole) + fraction);
    if (negative)
        value = -value;
    int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return NewNode(kNodeFloat, bits);
}

DescriptionNode* DescriptionParser::ReadName()
{
    char name[256];
    size_t length = 0;
    while (fCursor < fEnd && (IsLetter(*fCursor) || IsDigit(*fCursor))) {
        if (length < sizeof name - 1)
            name[length++] = *fCursor;
        ++fCursor;
    }
    name[length] = 0;
    DescriptionNode probe{nullptr, 0, 0};
    if (!LookUpName(name, &probe))
        throw CDAEError(kMalformed);
    return NewNode(probe.type, probe.value);
}

DescriptionNode* DescriptionParser::ReadQuoted(char quote)
{
    ++fCursor;
    const int32_t room = quote == '\'' ? 4 : 255;
    char text[256];
    int32_t length = 0;
    for (;;) {
        if (fCursor >= fEnd)
            throw CDAEError(kMalformed);
        char c = *fCursor++;
        if (c == quote)
            break;
        if (c == '\\') {
            if (fCursor >= fEnd)
                throw CDAEError(kMalformed);
            switch (*fCursor++) {
            case '\'': c = '\''; break;
            case '\\': c = '\\'; break;
            case 'a': c = 7; break;
            case 'b': c = 8; break;
            case 'f': c = 12; break;
            case 'n': c = 10; break;
            case 'r': c = 13; break;
            case 't': c = 9; break;
            case 'v': c = 11; break;
            default: throw CDAEError(kMalformed);
            }
        }
        if (length >= room)
            throw CDAEError(kMalformed);
        text[length++] = c;
    }
    if (quote == '\'') {
        if (length <= 1)
            return NewNode(kNodeCharacter, length == 1 ? int32_t(uint8_t(text[0])) : 0);
        if (length != 4)
            throw CDAEError(kMalformed);
        return NewNode(kNodeFourCC, int32_t((uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
                                            (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]))));
    }
    auto* stored = static_cast<unsigned char*>(Take(length + 1));
    stored[0] = uint8_t(length);
    std::memcpy(stored + 1, text, size_t(length));
    DescriptionNode* node = NewNode(kNodeText, 0);
    node->SetTarget(stored);
    return node;
}

DescriptionNode* DescriptionParser::ReadGroup()
{
    const char closer = *fCursor++ == '(' ? ')' : ']';
    DescriptionNode* members = ParseList(closer);
    if (Peek() != closer)
        throw CDAEError(kMalformed);
    ++fCursor;
    DescriptionNode* node = NewNode(kNodeGroup, 0);
    node->SetTarget(members);
    return node;
}

DescriptionNode* DescriptionParser::TextNodeFromRaw(const char* text, int32_t length)
{
    // Tokenized as a quoted text so that its escapes are honoured.
    char quoted[258];
    quoted[0] = '"';
    std::memcpy(quoted + 1, text, size_t(length));
    quoted[length + 1] = '"';
    const char* savedCursor = fCursor;
    const char* savedEnd = fEnd;
    fCursor = quoted;
    fEnd = quoted + length + 2;
    DescriptionNode* node = nullptr;
    try {
        node = ReadQuoted('"');
    } catch (...) {
        fCursor = savedCursor;
        fEnd = savedEnd;
        throw;
    }
    fCursor = savedCursor;
    fEnd = savedEnd;
    return node;
}

DescriptionNode* DescriptionParser::GetStringNode(const DescriptionNode* group)
{
    if (group == nullptr || group->type != kNodeGroup)
        throw CDAEError(kMalformed);
    const DescriptionNode* id = group->Members();
    const DescriptionNode* index = id != nullptr ? id->next : nullptr;
    if (id == nullptr || index == nullptr || index->next != nullptr || id->type != kNodeInteger ||
        index->type != kNodeInteger)
        throw CDAEError(kMalformed);
    char text[256];
    int32_t length = 0;
    if (!StringFromList(int16_t(id->value), index->value, text, &length) || length >= 254)
        throw CDAEError(kMalformed);
    return TextNodeFromRaw(text, length);
}

void DescriptionParser::ResolveFunctions(DescriptionNode* list)
{
    for (DescriptionNode* node = list; node != nullptr; node = node->next) {
        if (node->type == kNodeGroup) {
            ResolveFunctions(const_cast<DescriptionNode*>(node->Members()));
            continue;
        }
        if (node->type != kNodeFunction)
            continue;
        DescriptionNode* replacement = nullptr;
        DescriptionNode* after = node->next;
        if (node->value == kFunctionGetString) {
            replacement = GetStringNode(node->next);
            after = node->next->next;
        } else if (node->value == kFunctionShortVersion || node->value == kFunctionLongVersion) {
            // The plug-in module's own file version, as the library's module information reads it.
            char text[kVersionTextCapacity] = {0};
            GetPlugInVersionText(text, sizeof text);
            replacement = TextNodeFromRaw(text, int(strnlen(text, sizeof text)));
        } else {
            throw CDAEError(kMalformed);
        }
        node->type = replacement->type;
        node->SetTarget(replacement->Text());
        node->next = after;
    }
}

}  // namespace rtas::views
