#include "tools/rsrc/ResourceSource.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace rsrc {
namespace {

struct Token
{
    std::string text;
    char quote = 0;  // '\'' or '"' when the token was quoted
};

// Splits a line into blank-separated tokens; quoted tokens keep their blanks. False on an unclosed quote.
bool tokenize(const std::string& line, std::vector<Token>& tokens)
{
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"' || c == '\'') {
            const size_t close = line.find(c, i + 1);
            if (close == std::string::npos)
                return false;
            tokens.push_back({line.substr(i + 1, close - i - 1), c});
            i = close + 1;
        } else {
            size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r' && line[end] != '#')
                ++end;
            tokens.push_back({line.substr(i, end - i), 0});
            i = end;
        }
    }
    return true;
}

bool fourCharCode(const Token& token, uint32_t& code)
{
    if (token.text.size() != 4 || token.quote == '"')
        return false;
    code = 0;
    for (char c : token.text)
        code = (code << 8) | uint8_t(c);
    return true;
}

// A number or a four-character code, within [minimum, maximum].
bool value(const Token& token, int64_t minimum, int64_t maximum, int64_t& result)
{
    if (token.quote == '\'') {
        uint32_t code = 0;
        if (!fourCharCode(token, code))
            return false;
        result = code;
    } else {
        if (token.quote != 0 || token.text.empty())
            return false;
        errno = 0;
        char* end = nullptr;
        result = std::strtoll(token.text.c_str(), &end, 0);
        if (errno != 0 || end == nullptr || *end != '\0')
            return false;
    }
    return result >= minimum && result <= maximum;
}

void put(std::vector<uint8_t>& out, uint64_t v, int bytes, bool bigEndian)
{
    for (int i = 0; i < bytes; ++i) {
        const int shift = bigEndian ? 8 * (bytes - 1 - i) : 8 * i;
        out.push_back(uint8_t(v >> shift));
    }
}

class Parser
{
public:
    bool parse(const std::string& text, std::vector<qorkit::StoredResource>& resources, std::string& error)
    {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            ++fLine;
            std::vector<Token> tokens;
            if (!tokenize(line, tokens))
                return fail(error, "a quote is not closed");
            if (tokens.empty())
                continue;
            if (!statement(tokens, resources))
                return fail(error, fProblem);
        }
        if (fOpen)
            return fail(error, "the last resource has no 'end'");
        return true;
    }

private:
    bool fail(std::string& error, const std::string& problem)
    {
        error = "line " + std::to_string(fLine) + ": " + problem;
        return false;
    }
    bool problem(const std::string& text)
    {
        fProblem = text;
        return false;
    }

    bool statement(const std::vector<Token>& tokens, std::vector<qorkit::StoredResource>& resources)
    {
        const std::string& keyword = tokens[0].text;
        if (tokens[0].quote != 0)
            return problem("a line must start with a keyword");
        if (keyword == "resource")
            return begin(tokens);
        if (!fOpen)
            return problem("'" + keyword + "' outside a resource");
        if (keyword == "end")
            return finish(tokens, resources);
        if (keyword == "be32" || keyword == "le32")
            return numbers(tokens, 4, keyword[0] == 'b', INT32_MIN, UINT32_MAX);
        if (keyword == "be16" || keyword == "le16")
            return numbers(tokens, 2, keyword[0] == 'b', INT16_MIN, UINT16_MAX);
        if (keyword == "u8")
            return numbers(tokens, 1, true, INT8_MIN, UINT8_MAX);
        if (keyword == "pstring")
            return pstring(tokens);
        if (keyword == "entry")
            return entry(tokens);
        return problem("unknown keyword '" + keyword + "'");
    }

    bool begin(const std::vector<Token>& tokens)
    {
        if (fOpen)
            return problem("'resource' before the 'end' of the one before");
        int64_t id = 0;
        if (tokens.size() < 3 || !fourCharCode(tokens[1], fType) || !value(tokens[2], INT16_MIN, INT16_MAX, id))
            return problem("expected: resource TYPE ID [NAME ...]");
        fId = int16_t(id);
        fNames.clear();
        for (size_t i = 3; i < tokens.size(); ++i) {
            if (tokens[i].text.size() > 255)
                return problem("a name longer than 255 characters");
            fNames.push_back(tokens[i].text);
        }
        if (fNames.empty())
            fNames.push_back("");
        if (int64_t(fId) + int64_t(fNames.size()) - 1 > INT16_MAX)
            return problem("the resources' numbers run past 32767");
        fData.clear();
        fOpen = true;
        return true;
    }

    bool finish(const std::vector<Token>& tokens, std::vector<qorkit::StoredResource>& resources)
    {
        if (tokens.size() != 1)
            return problem("'end' stands alone");
        for (size_t i = 0; i < fNames.size(); ++i) {
            qorkit::StoredResource resource;
            resource.type = fType;
            resource.id = int16_t(fId + int(i));
            resource.name = fNames[i];
            resource.data = fData;
            for (const auto& earlier : resources)
                if (earlier.type == resource.type && earlier.id == resource.id)
                    return problem("a resource of that type and number exists already");
            resources.push_back(std::move(resource));
        }
        fOpen = false;
        return true;
    }

    bool numbers(const std::vector<Token>& tokens, int bytes, bool bigEndian, int64_t minimum, int64_t maximum)
    {
        if (tokens.size() < 2)
            return problem("'" + tokens[0].text + "' needs at least one value");
        for (size_t i = 1; i < tokens.size(); ++i) {
            int64_t v = 0;
            if (!value(tokens[i], minimum, maximum, v))
                return problem("'" + tokens[i].text + "' is no value that fits " + tokens[0].text);
            put(fData, uint64_t(v), bytes, bigEndian);
        }
        return true;
    }

    bool pstring(const std::vector<Token>& tokens)
    {
        if (tokens.size() != 2 || tokens[1].quote != '"' || tokens[1].text.size() > 255)
            return problem("expected: pstring \"TEXT\" (at most 255 characters)");
        fData.push_back(uint8_t(tokens[1].text.size()));
        fData.insert(fData.end(), tokens[1].text.begin(), tokens[1].text.end());
        return true;
    }

    bool entry(const std::vector<Token>& tokens)
    {
        int64_t kind = 0;
        int64_t row = 0;
        if (tokens.size() < 3 || !value(tokens[1], INT16_MIN, INT16_MAX, kind) ||
            !value(tokens[2], INT16_MIN, INT16_MAX, row))
            return problem("expected: entry KIND ROW VALUE ...");
        const size_t count = tokens.size() - 3;
        if (count > size_t(INT16_MAX))
            return problem("too many values in one entry");
        put(fData, uint64_t(kind), 2, false);
        put(fData, count, 2, false);
        put(fData, uint64_t(row), 2, false);
        for (size_t i = 3; i < tokens.size(); ++i) {
            int64_t v = 0;
            if (!value(tokens[i], INT16_MIN, INT16_MAX, v))
                return problem("'" + tokens[i].text + "' is no 16-bit value");
            put(fData, uint64_t(v), 2, false);
        }
        return true;
    }

    int fLine = 0;
    std::string fProblem;
    bool fOpen = false;
    uint32_t fType = 0;
    int16_t fId = 0;
    std::vector<std::string> fNames;
    std::vector<uint8_t> fData;
};

}  // namespace

bool parseResourceSource(const std::string& text, std::vector<qorkit::StoredResource>& resources, std::string& error)
{
    resources.clear();
    return Parser().parse(text, resources, error);
}

}  // namespace rsrc
