// A string object of the host's, for the plug-in to fill. Its table is the string table (acf::StringTable); it is
// built as an AAX_IString so that the plug-in's calls through that interface meet a real object of it (the
// sanitizers check the dynamic type of every virtual call).
#pragma once

#include <string>

#include "aax/library/AAX_IString.h"

namespace aaxkit {

class HostString final : public AAX_IString
{
public:
    HostString() = default;
    explicit HostString(std::string initial) : text(std::move(initial)) {}
    ~HostString() = default;

    // The kit's strings live on its stack or heap; nobody but the kit destroys them.
    void Destroy() override {}
    uint32_t Length() const override { return static_cast<uint32_t>(text.size()); }
    uint32_t MaxLength() const override { return 0xFFFFFFFEu; }
    const char* Get() const override { return text.c_str(); }
    void Set(const char* value) override { text = value != nullptr ? value : ""; }
    AAX_IString& AssignText(const char* value) override
    {
        Set(value);
        return *this;
    }
    // The other may be the plug-in's string: read through its interface.
    AAX_IString& AssignString(const AAX_IString& other) override
    {
        Set(other.Get());
        return *this;
    }

    std::string text;
};

}  // namespace aaxkit
