// A text object that crosses the host boundary (the host hands one to be filled with a name or a value text).
// Not counted: slot 0 destroys it. Its table is acf::StringTable (hosts/aax/AcfTables.h).
#pragma once

#include <cstdint>

class AAX_IString
{
public:
    virtual void Destroy() = 0;
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    virtual const char* Get() const = 0;
    virtual void Set(const char* text) = 0;
    virtual AAX_IString& AssignText(const char* text) = 0;
    virtual AAX_IString& AssignString(const AAX_IString& other) = 0;

protected:
    ~AAX_IString() = default;
};
