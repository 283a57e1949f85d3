// The counted-object interface every object handed to an AAX host carries: query, add reference, release in slots
// 0..2 of its table, and no destructor slot (the last release destroys the object). See hosts/aax/AcfTables.h.
#pragma once

#include <cstdint>

#include "hosts/aax/AcfTables.h"

class IACFUnknown
{
public:
    // Any host thread.
    virtual acf::Result QueryInterface(const acf::Uid& iid, void** out) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IACFUnknown() = default;
};
