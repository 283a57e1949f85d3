#include "hosts/rtas/rtashost/PlugInSession.h"

namespace rtashost {
namespace {

std::string pascalText(const unsigned char* text)
{
    return std::string(reinterpret_cast<const char*>(text) + 1, text[0]);
}

// The type number the group's name routines take for the effect itself.
constexpr uint32_t kEffectNameTypeNumber = 0x3F3F3F3F;

}  // namespace

std::string fourCCText(uint32_t code)
{
    return {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
}

uint32_t fourCC(const std::string& text)
{
    if (text.size() != 4)
        throw HostError("'" + text + "' is no four-character code");
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

void check(int32_t result, const std::string& what)
{
    if (result != 0)
        throw HostError(what + " failed with code " + std::to_string(result));
}

PlugInSession::PlugInSession(const std::string& path)
{
    if (!library_.open(path))
        throw HostError("cannot load " + path + ": " + library_.error());
    descriptor_ = reinterpret_cast<GetRoutineDescriptorEntry>(library_.symbol(kGetRoutineDescriptorName));
    auto open = reinterpret_cast<WinPlugInOpenEntry>(library_.symbol(kWinPlugInOpenName));
    close_ = reinterpret_cast<WinPlugInCloseEntry>(library_.symbol(kWinPlugInCloseName));
    if (descriptor_ == nullptr || open == nullptr || close_ == nullptr)
        throw HostError(path + " is no RTAS plug-in file (its exports are missing)");
    check(open(kWinPlugInOpenVersion), "opening the plug-in");
    opened_ = true;

    int16_t count = 0;
    check(routine<22>()(&count), "counting the plug-in's types");
    for (int16_t number = 1; number <= count; ++number) {
        PlugInType type;
        type.number = uint32_t(number);
        SFicTypeIdentity identity{};
        check(routine<6>()(type.number, &manufacturerID_, &type.typeID, &identity), "asking a type's IDs");
        type.productID = identity.productID;
        check(routine<92>()(type.number, 0, &type.kind), "asking a type's kind");
        int32_t stems[3] = {};
        check(routine<137>()(type.number, 0, stems), "asking a type's stems");
        type.inputStem = stems[0];
        type.outputStem = stems[1];
        types_.push_back(type);
    }
}

PlugInSession::~PlugInSession()
{
    if (opened_)
        close_();
}

PlugInRoutinePointer PlugInSession::routineFor(uint32_t selector) const
{
    PlugInRoutinePointer routine = nullptr;
    if (descriptor_(selector, &routine) != 0 || routine == nullptr)
        throw HostError("the plug-in has no routine " + std::to_string(selector));
    return routine;
}

std::string PlugInSession::manufacturerName() const
{
    unsigned char name[256] = {};
    check(routine<12>()(255, name), "asking the manufacturer's name");
    return pascalText(name);
}

std::string PlugInSession::effectName() const
{
    unsigned char name[256] = {};
    check(routine<5>()(kEffectNameTypeNumber, 255, name), "asking the effect's name");
    return pascalText(name);
}

const PlugInType& PlugInSession::type(const std::string& typeID) const
{
    const uint32_t wanted = fourCC(typeID);
    for (const PlugInType& type : types_)
        if (type.typeID == wanted)
            return type;
    throw HostError("the plug-in has no type '" + typeID + "'");
}

}  // namespace rtashost
