// The resource source: a text that lists resources and the bytes of each, field by field.
//
//   # a comment runs to the end of its line
//   resource TYPE ID [NAME ...]   one resource per NAME, numbered ID, ID+1, ... (no NAME: one unnamed resource)
//     be32 VALUE ...              32-bit words, most significant byte first
//     be16 VALUE ...
//     le32 VALUE ...              least significant byte first (the plug-in's own processor order)
//     le16 VALUE ...
//     u8 VALUE ...
//     pstring "TEXT"              a length byte and the characters (at most 255)
//     entry KIND ROW VALUE ...    a page-table entry, le16 throughout: KIND, the number of VALUEs, ROW, the VALUEs
//   end
//
// TYPE is four characters, quoted as 'STR ' when it holds a blank. A VALUE is a decimal or 0x hexadecimal number or a
// four-character code in single quotes; it must fit the field (signed or unsigned). NAMEs may be quoted with ".
#pragma once

#include "hosts/rtas/toolbox/ResourceFileFormat.h"

#include <string>
#include <vector>

namespace rsrc {

// The resources in source order, or false with "line N: what is wrong" in error.
bool parseResourceSource(const std::string& text, std::vector<qorkit::StoredResource>& resources, std::string& error);

}  // namespace rsrc
