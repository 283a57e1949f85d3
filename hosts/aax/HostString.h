// A string object of the host's, with the string table's layout, for the plug-in to fill.
#pragma once

#include <string>

#include "hosts/aax/AcfTables.h"

namespace aaxkit {

struct HostString
{
    const acf::StringTable* table;  // first
    std::string text;

    HostString();
    explicit HostString(std::string initial);
};

}  // namespace aaxkit
